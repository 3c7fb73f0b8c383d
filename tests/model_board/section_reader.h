// Reads one section of the format from a text, the way an owner's parse loop hands it to a
// kind: the test writes the section followed by the word END, the reader consumes "(" and the
// keyword, the kind reads its section, and the test checks that END is the next token, which
// shows the kind consumed exactly its own section.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "reader/keywords.h"
#include "reader/nimbo_object.h"
#include "reader/nimbo_parser.h"

class TTextFile {
  public:
    explicit TTextFile(std::string_view bytes) {
        static std::atomic<int> counter{0};
        FPath = ::testing::TempDir() + "model_board_" + std::to_string(::getpid()) + "_" +
                std::to_string(counter++) + ".txt";
        std::ofstream out(FPath, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ~TTextFile() { std::remove(FPath.c_str()); }
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;

    const std::string& Path() const { return FPath; }

  private:
    std::string FPath;
};

struct TReadOptions {
    bool SchematicUnits = false;  // false: lengths in internal units (1/10000 mil)
    TFileUnits Units = fuMil;
};

// Line ends of the text become carriage return and line feed, as the files have them.
class TSectionReader {
  public:
    explicit TSectionReader(std::string_view text, TReadOptions options = {})
        : FFile(WithCrLf(text)), FParser(FFile.Path()), FRoot(nullptr) {
        RegisterKeywords(FParser);
        FRoot.FParser = &FParser;
        FRoot.FSchematicUnits = options.SchematicUnits;
        FRoot.FUnits = options.Units;
    }

    // Consumes "(" and the section keyword, creates T owned by the root (or by `owner`) and lets
    // it read its section: through ReadSection for the pad and via kinds, else through Parse.
    template <class T>
    std::unique_ptr<T> Read(TNimboObject* owner = nullptr) {
        EXPECT_EQ(FParser.NextToken(), tokOpen);
        FParser.NextToken();
        auto object = std::make_unique<T>(owner ? owner : &FRoot);
        if constexpr (requires { object->ReadSection(); })
            object->ReadSection();
        else
            object->Parse();
        EXPECT_EQ(object->FDepth, 0) << "the section's closing parenthesis was not reached";
        return object;
    }

    // True when the next token is the word END that the test wrote after the section.
    bool AtEnd() { return FParser.NextToken() == tokUnknown && FParser.TokenText() == "END"; }

    TNimboParser& Parser() { return FParser; }
    TNimboObject& Root() { return FRoot; }

  private:
    static std::string WithCrLf(std::string_view text) {
        std::string result;
        for (char c : text) {
            if (c == '\n') result += '\r';
            result += c;
        }
        return result;
    }

    TTextFile FFile;
    TNimboParser FParser;
    TNimboObject FRoot;
};
