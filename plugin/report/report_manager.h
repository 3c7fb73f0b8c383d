// The translation report: the messages of one import, collected while the file is read
// (load messages) and while host objects are created (import messages), written at the end
// to a text file beside the host's current document.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Why the file could not be loaded. `leNoFileKeyword` is only counted, it adds no line.
enum TLoadErrorKind : uint8_t {
    leIOError = 0,
    leNoFileKeyword = 1,
    leUnsupportedVersion = 2,
};

// One message of a report list; written when Level is not above the list's threshold.
struct TReportEntry {
    std::string Text;
    uint8_t Level = 0;
};
using TReportList = std::vector<TReportEntry>;

class TReportManager {
  public:
    // Messages, in the order added.
    TReportList LoadErrors;
    TReportList LoadWarnings;
    TReportList LoadEvents;
    TReportList ImportErrors;
    TReportList ImportWarnings;
    TReportList ImportEvents;

    // Print thresholds: every error and warning is written, no event.
    uint8_t LoadErrorLevel = 2;
    uint8_t LoadWarningLevel = 2;
    uint8_t LoadEventLevel = 0;
    uint8_t ImportErrorLevel = 2;
    uint8_t ImportWarningLevel = 2;
    uint8_t ImportEventLevel = 0;

    int32_t LoadErrorCount = 0;
    int32_t LoadWarningCount = 0;
    int32_t ImportErrorCount = 0;
    int32_t ImportWarningCount = 0;

    // Full path of the report file, set by OpenReportFile (at most 255 characters).
    std::string ReportFileName;

    // Full path of the imported file (cut to 255 characters).
    void SetSourceFileName(const std::string& fileName);
    const std::string& SourceFileName() const { return FSourceFileName; }

    // Counts a load error and adds the line of its kind. Code is passed on to AddIOError.
    void AddLoadError(TLoadErrorKind kind, int32_t code);
    // Adds the general IO error line without counting it.
    void AddIOError(int32_t code);
    // A numbered warning found while reading; hostObject is the host object concerned or 0.
    void AddLoadWarning(const std::string& msg, uint32_t hostObject);
    // A numbered warning found while creating host objects; numbered apart from load warnings.
    void AddImportWarning(const std::string& msg, uint32_t hostObject);
    // Appends the location of a bus entry, net label or port (host units) on a line of its
    // own; other objects and 0 leave the line as it is. The result is cut to 255 characters.
    void AppendObjectLocation(std::string& line, uint32_t hostObject) const;

    // The report's writes in order, each written followed by CR LF (a warning with a location
    // holds an inner CR LF). Date "YYYY-MM-DD", time "HH:MM:SS" (local time).
    std::vector<std::string> ReportLines() const;
    // Writes the report file when any threshold is above 0, then shows the status dialog when
    // a message was counted and opens the report in the host on request.
    void WriteReport();
    // Works out ReportFileName beside the current document, binds it through the host and
    // creates the file empty. False when the host left it unbound or it cannot be created.
    bool OpenReportFile(std::ofstream& file);

  private:
    std::string FSourceFileName;
    std::string FWrittenPath;  // where the host bound the report file; empty when unbound
};
