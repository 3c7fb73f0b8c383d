#include "bench_file_generator.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>

namespace {

class TWriter {
  public:
    explicit TWriter(const std::string& path) : FOut(std::fopen(path.c_str(), "wb")) {
        if (FOut == nullptr) throw std::runtime_error("cannot write " + path);
    }
    ~TWriter() { std::fclose(FOut); }

    void Line(int indent, const std::string& text) {
        FLine.assign(static_cast<size_t>(indent) * 2, ' ');
        FLine += text;
        FLine += "\r\n";
        std::fwrite(FLine.data(), 1, FLine.size(), FOut);
        FWritten += static_cast<int64_t>(FLine.size());
    }
    int64_t Written() const { return FWritten; }

  private:
    std::FILE* FOut;
    std::string FLine;
    int64_t FWritten = 0;
};

class TContent {
  public:
    std::string Coord() { return Fixed(Uniform(-20000, 20000)); }
    std::string Point() { return "(pt " + Coord() + " " + Coord() + ")"; }
    std::string Name(const char* prefix) { return prefix + std::to_string(Uniform(1, 9999)); }
    std::string Rotation() {
        static const char* kRotations[] = {"0.0", "90.0", "180.0", "270.0"};
        return kRotations[Uniform(0, 3)];
    }
    bool Chance(int percent) { return Uniform(0, 99) < percent; }
    int Uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(FRandom);
    }

  private:
    static std::string Fixed(int tenths) {
        std::string sign = tenths < 0 ? "-" : "";
        const int magnitude = tenths < 0 ? -tenths : tenths;
        return sign + std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
    }
    std::mt19937 FRandom{20240611};
};

void WriteHeader(TWriter& w) {
    w.Line(0, "NIMBO_ASCII");
    w.Line(0, "(asciiHeader");
    w.Line(1, "(asciiVersion 3 0)");
    w.Line(1, "(timeStamp 2009 5 14 10 21 33)");
    w.Line(1, "(program \"Schematic Capture\" \"16.2.0\")");
    w.Line(1, "(copyright \"Copyright (C) 2009\")");
    w.Line(1, "(fileAuthor \"bench\")");
    w.Line(1, "(headerString \"\")");
    w.Line(1, "(fileUnits Mil)");
    w.Line(1, "(guidString \"{3F2A5C1E-9B7D-4E21-A6C3-1D2E3F4A5B6C}\")");
    w.Line(0, ")");
    w.Line(0, "");
}

void WriteSymbol(TWriter& w, TContent& c, int index) {
    w.Line(1, "(symbolDef \"SYM_" + std::to_string(index) + "\" (originalName \"SYM_" +
                  std::to_string(index) + "\")");
    const int pins = c.Uniform(2, 16);
    for (int p = 1; p <= pins; ++p) {
        w.Line(2, "(pin (pinNum " + std::to_string(p) + ") " + c.Point() + " (rotation " +
                      c.Rotation() + ") (pinLength 300.0) (defaultPinDes \"" + std::to_string(p) +
                      "\")");
        w.Line(3, "(pinDisplay (dispPinName True))");
        w.Line(3, "(pinDes (text (pt 0.0 0.0) \"" + std::to_string(p) +
                      "\" (textStyleRef \"(PinStyle)\") (justify LowerLeft) (extent 50.0 70.0)))");
        w.Line(3, "(pinName (text (pt 0.0 0.0) \"" + c.Name("IO") +
                      "\" (textStyleRef \"(PinStyle)\") (justify Left) (extent 180.0 70.0)))");
        w.Line(2, ")");
    }
    for (int l = 0; l < 4; ++l) {
        w.Line(2, "(line " + c.Point() + " " + c.Point() + " (width 10.0) )");
    }
    w.Line(2, "(attr \"RefDes\" \"\" " + c.Point() +
                  " (isVisible True) (justify LowerLeft) (textStyleRef \"(Default)\"))");
    w.Line(1, ")");
}

void WriteComponent(TWriter& w, TContent& c, int index) {
    w.Line(1, "(compDef \"COMP_" + std::to_string(index) + "\" (originalName \"COMP_" +
                  std::to_string(index) + "\")");
    w.Line(2, "(compHeader");
    w.Line(3, "(sourceLibrary \"bench.lib\")");
    w.Line(3, "(numPins 8) (numParts 1) (alts (ieeeAlt False) (deMorganAlt False))");
    w.Line(3, "(refDesPrefix \"U\")");
    w.Line(2, ")");
    for (int p = 1; p <= 8; ++p) {
        w.Line(2, "(compPin \"" + std::to_string(p) + "\" (pinName \"" + c.Name("P") +
                      "\") (partNum 1) (symPinNum " + std::to_string(p) +
                      ") (gateEq 0) (pinEq 0) (pinType Bidirectional))");
    }
    w.Line(2, "(attachedSymbol (partNum 1) (altType Normal) (symbolName \"SYM_" +
                  std::to_string(index) + "\"))");
    w.Line(2, "(attr \"Value\" \"" + c.Name("10k_") + "\")");
    w.Line(1, ")");
}

void WriteSheetObjects(TWriter& w, TContent& c) {
    switch (c.Uniform(0, 5)) {
        case 0:
        case 1:
            w.Line(2, "(wire (line " + c.Point() + " " + c.Point() +
                          " (width 10.0) (netNameRef \"" + c.Name("NET") + "\") ))");
            break;
        case 2:
            w.Line(2, "(symbol (symbolRef \"SYM_" + std::to_string(c.Uniform(0, 99)) +
                          "\") (refDesRef \"" + c.Name("U") + "\") (partNum 1) " + c.Point() +
                          " (rotation " + c.Rotation() + ")" +
                          (c.Chance(20) ? " (isFlipped True)" : "") + "");
            w.Line(3, "(attr \"Value\" \"" + c.Name("100n_") + "\" " + c.Point() +
                          " (isVisible True) (textStyleRef \"(Default)\") )");
            w.Line(2, ")");
            break;
        case 3:
            w.Line(2, "(text " + c.Point() + " \"" + c.Name("Note ") +
                          " \\\"quoted\\\" text\" (textStyleRef \"(Default)\") (justify Left) "
                          "(extent 1233.7 70.0))");
            break;
        case 4:
            w.Line(2, "(port " + c.Point() +
                          " (portType NoOutline_Right) (portPinLength 1) "
                          "(netNameRef \"" +
                          c.Name("SIG") + "\") (rotation " + c.Rotation() + ") )");
            break;
        default:
            w.Line(2, "(junction " + c.Point() + " (netNameRef \"" + c.Name("NET") + "\"))");
            break;
    }
}

}  // namespace

int64_t WriteBenchFile(const std::string& path, int64_t bytes) {
    TWriter w(path);
    TContent c;
    WriteHeader(w);
    w.Line(0, "(library \"Library_1\"");
    w.Line(1,
           "(textStyleDef \"(Default)\" (font (fontType Stroke) (fontFamily Modern) "
           "(fontFace \"Quality\") (fontHeight 80.0) (strokeWidth 10.0)))");
    for (int i = 0; i < 100; ++i) WriteSymbol(w, c, i);
    for (int i = 0; i < 100; ++i) WriteComponent(w, c, i);
    w.Line(0, ")");
    w.Line(0, "(schematicDesign \"Bench\"");
    int sheet = 0;
    while (w.Written() < bytes) {
        ++sheet;
        w.Line(1, "(sheet \"Sheet" + std::to_string(sheet) + "\" (sheetNum " +
                      std::to_string(sheet) + ")");
        for (int i = 0; i < 2000 && w.Written() < bytes; ++i) WriteSheetObjects(w, c);
        w.Line(1, ")");
    }
    w.Line(0, ")");
    return w.Written();
}
