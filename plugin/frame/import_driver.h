// The road of one import: validate the file, read it into the object tree, create the host
// objects, write the report. Every function here takes the full path of the file.
#pragma once

#include <string>

class TReportManager;

// Validates, reads and translates a design (a library) file and writes the report. True when
// the file was valid and was read and translated without an exception.
bool ImportNimboDesign(const std::string& fileName);
bool ImportNimboLibrary(const std::string& fileName);

// The file begins with the format's first line and names a design (".SCH") or a library
// (".LIA", ".LIB") inside, followed by an asciiHeader of version 3.
bool IsNimboDesignFile(const std::string& fileName);
bool IsNimboLibraryFile(const std::string& fileName);

// The host confirms the file, and its first line (first 255 characters) holds "NIMBO_ASCII"
// in any letter case.
bool HasNimboHeaderLine(const std::string& fileName);

// Reads the whole file and translates it, messages going to Report. An exception while
// reading is recorded in the report as a load error ("ERROR: A General IO Error has occured
// with the file") and nothing is translated; an exception while translating ends the
// translation. False in both cases.
bool ImportNimboFile(const std::string& fileName, TReportManager& report);
