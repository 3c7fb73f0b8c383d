#include "synthetic_files.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace bench {

namespace {

class TOut {
  public:
    explicit TOut(const std::string& path) : FFile(std::fopen(path.c_str(), "wb")) {
        if (FFile == nullptr) throw std::runtime_error("cannot write " + path);
    }
    ~TOut() { std::fclose(FFile); }
    TOut(const TOut&) = delete;
    TOut& operator=(const TOut&) = delete;

    void Line(int indent, const std::string& text) {
        FLine.assign(static_cast<size_t>(indent) * 2, ' ');
        FLine += text;
        FLine += "\r\n";
        if (std::fwrite(FLine.data(), 1, FLine.size(), FFile) != FLine.size())
            throw std::runtime_error("write failed");
        FWritten += static_cast<int64_t>(FLine.size());
    }
    int64_t Written() const { return FWritten; }

  private:
    std::FILE* FFile;
    std::string FLine;
    int64_t FWritten = 0;
};

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// A length in mil as the format's tools write it: one decimal.
std::string Mil(int mil) {
    return std::to_string(mil) + ".0";
}

std::string Pt(int xMil, int yMil) {
    return "(pt " + Mil(xMil) + " " + Mil(yMil) + ")";
}

// One kind of component of the library: drawn by one symbol, used once per part.
struct TComponentKind {
    int Index = 0;
    int Parts = 1;        // 1 to 4: every part uses the same symbol
    int PinsPerPart = 2;  // pins of the symbol, half on the left, half on the right
    std::string Prefix;

    std::string SymbolName() const { return "SYM" + std::to_string(Index); }
    std::string CompName() const { return "COMP" + std::to_string(Index); }
    int Pins() const { return Parts * PinsPerPart; }
};

std::vector<TComponentKind> ComponentKinds(int count) {
    static const char* kPrefixes[] = {"U", "R", "C", "D", "Q", "J", "L", "DD"};
    std::vector<TComponentKind> kinds;
    for (int i = 0; i < count; ++i) {
        TComponentKind kind;
        kind.Index = i;
        kind.Parts = 1 + (i % 4 == 3 ? 3 : i % 3);
        kind.PinsPerPart = 2 * (1 + (i * 7) % 8);
        kind.Prefix = kPrefixes[i % 8];
        kinds.push_back(kind);
    }
    return kinds;
}

// Pin p (0-based) of a symbol: left column going down, then right column going down [mil].
int PinX(int p, int pins) {
    return p < pins / 2 ? 0 : 1000;
}
int PinY(int p, int pins) {
    return -100 * (p < pins / 2 ? p : p - pins / 2);
}

void WriteHeader(TOut& out, const std::string& embeddedName) {
    out.Line(0, "NIMBO_ASCII " + Quoted(embeddedName));
    out.Line(0, "");
    out.Line(0, "(asciiHeader ");
    out.Line(1, "(asciiVersion 3 0)");
    out.Line(1, "(timeStamp 2019 2 10 21 8 13)");
    out.Line(1, "(program \"Schematic Capture\" \"19.02.9589\")");
    out.Line(1, "(copyright \"Copyright 2019\")");
    out.Line(1, "(fileAuthor \"bench\")");
    out.Line(1, "(headerString \"\")");
    out.Line(1, "(fileUnits Mil)");
    out.Line(1, "(guidString \"{495F651E-6C19-4045-992E-6A59F40F6914}\")");
    out.Line(0, ")");
    out.Line(0, "");
}

void WriteTextStyles(TOut& out) {
    for (const char* name : {"(Default)", "(PinStyle)", "(PartStyle)", "(WireStyle)"}) {
        out.Line(1, "(textStyleDef " + Quoted(name));
        out.Line(2, "(font ");
        out.Line(3, "(fontType Stroke)");
        out.Line(3, "(fontFamily Modern)");
        out.Line(3, "(fontFace \"Quality\")");
        out.Line(3, "(fontHeight 80.0)");
        out.Line(3, "(strokeWidth 10.0)");
        out.Line(2, ")");
        out.Line(2, "(textStyleAllowTType False)");
        out.Line(2, "(textStyleDisplayTType False)");
        out.Line(1, ")");
    }
}

void WriteSymbolDef(TOut& out, const TComponentKind& kind) {
    const int pins = kind.PinsPerPart;
    out.Line(1, "(symbolDef " + Quoted(kind.SymbolName() + "_1"));
    out.Line(2, "(originalName " + Quoted(kind.SymbolName()) + ")");
    for (int p = 0; p < pins; ++p) {
        const bool left = PinX(p, pins) == 0;
        const int x = PinX(p, pins) + (left ? 0 : 300);
        const int y = PinY(p, pins);
        const std::string rotation = left ? "" : "(rotation 180.0) ";
        out.Line(2, "(pin (pinNum " + std::to_string(p + 1) + ") " + Pt(x, y) + " " + rotation +
                        "(pinLength 300.0) ");
        out.Line(3, "(pinDisplay (dispPinName True) ) ");
        out.Line(3, "(pinDes (text " + Pt(x + (left ? 100 : -100), y + 20) + " " +
                        Quoted(std::to_string(p + 1)) + " (textStyleRef \"(PinStyle)\") " +
                        rotation + "(extent 1.96214 mm 3.04561 mm) )");
        out.Line(3, ") ");
        out.Line(3, "(pinName (text " + Pt(x + (left ? 350 : -350), y) + " " +
                        Quoted("IO" + std::to_string(p)) +
                        " (textStyleRef \"(PinStyle)\") (justify Left) (extent 180.0 70.0) )");
        out.Line(3, ") ");
        out.Line(2, ")");
    }
    const int bottom = PinY(pins / 2 - 1, pins) - 100;
    out.Line(2, "(line " + Pt(300, 100) + " " + Pt(1000, 100) + " )");
    out.Line(2, "(line " + Pt(1000, 100) + " " + Pt(1000, bottom) + " )");
    out.Line(2, "(line " + Pt(1000, bottom) + " " + Pt(300, bottom) + " )");
    out.Line(2, "(line " + Pt(300, bottom) + " " + Pt(300, 100) + " )");
    if (kind.Index % 5 == 0)
        out.Line(2, "(arc " + Pt(650, 100) +
                        " (radius 50.0) (startAngle 180.0) (sweepAngle "
                        "180.0) )");
    out.Line(2, "(attr \"RefDes\" \"\" " + Pt(300, 150) +
                    " (isVisible True) (justify LowerLeft) (textStyleRef \"(PartStyle)\") )");
    out.Line(2, "(attr \"Value\" \"\" " + Pt(300, bottom - 50) +
                    " (isVisible True) (justify UpperLeft) (textStyleRef \"(PartStyle)\") )");
    out.Line(1, ")");
}

void WriteCompDef(TOut& out, const TComponentKind& kind) {
    out.Line(1, "(compDef " + Quoted(kind.CompName() + "_1"));
    out.Line(2, "(originalName " + Quoted(kind.CompName()) + ")");
    out.Line(2, "(compHeader ");
    out.Line(3, "(sourceLibrary \"SYNTHETIC.LIB\")");
    out.Line(3, "(numPins " + std::to_string(kind.Pins()) + ")");
    out.Line(3, "(numParts " + std::to_string(kind.Parts) + ")");
    if (kind.Parts > 1) out.Line(3, "(composition Homogeneous)");
    out.Line(3, "(alts (ieeeAlt False) (deMorganAlt False))");
    out.Line(3, "(refDesPrefix " + Quoted(kind.Prefix) + ")");
    out.Line(3, "(numType Numeric)");
    out.Line(2, ")");
    static const char* kPinTypes[] = {"Input", "Output", "Bidirectional", "Passive"};
    for (int part = 1; part <= kind.Parts; ++part) {
        for (int p = 1; p <= kind.PinsPerPart; ++p) {
            const int number = (part - 1) * kind.PinsPerPart + p;
            out.Line(2, "(compPin " + Quoted(std::to_string(number)) + " (pinName " +
                            Quoted("IO" + std::to_string(p - 1)) + ") (partNum " +
                            std::to_string(part) + ") (symPinNum " + std::to_string(p) +
                            ") (gateEq 1) (pinEq 0) (pinType " + kPinTypes[number % 4] + ") )");
        }
    }
    for (int part = 1; part <= kind.Parts; ++part) {
        out.Line(2, "(attachedSymbol (partNum " + std::to_string(part) +
                        ") (altType Normal) (symbolName " + Quoted(kind.SymbolName()) + ") )");
    }
    out.Line(2, "(attachedPattern (patternNum 1) (patternName \"SO" + std::to_string(kind.Pins()) +
                    "\")");
    out.Line(3, "(numPads " + std::to_string(kind.Pins()) + ")");
    out.Line(3, "(padPinMap ");
    for (int p = 1; p <= kind.Pins(); ++p) {
        out.Line(
            4, "(padNum " + std::to_string(p) + ") (compPinRef " + Quoted(std::to_string(p)) + ")");
    }
    out.Line(3, ")");
    out.Line(2, ")");
    out.Line(2, "(attr \"Manufacturer\" \"Maker " + std::to_string(kind.Index % 17) + "\")");
    out.Line(1, ")");
}

void WriteLibrary(TOut& out, const std::vector<TComponentKind>& kinds) {
    out.Line(0, "(library \"Library_1\"");
    WriteTextStyles(out);
    for (const TComponentKind& kind : kinds) WriteSymbolDef(out, kind);
    for (const TComponentKind& kind : kinds) WriteCompDef(out, kind);
    out.Line(0, ")");
    out.Line(0, "");
}

// ---------------------------------------------------------------------------------------------
// The design: instances of the library's kinds, numbered across the whole design, placed
// in blocks of kInstancesPerBlock, each with its grid of parts, a bus with entries, ports and
// texts; a sheet holds one block, or every block in a grid (OneSheetOrigin). Each pin gets a wire.
// ---------------------------------------------------------------------------------------------

constexpr int kInstancesPerBlock = 40;
constexpr int kPinsPerNet = 3;
// Bytes a placed instance costs in the file on average (its netlist entry, its symbols, wires,
// junctions and its share of ports, buses and texts); sizes the design to the wanted bytes.
constexpr int64_t kBytesPerInstance = 4900;

struct TInstance {
    const TComponentKind* Kind = nullptr;
    std::string RefDes;
    int FirstPin = 0;  // number of the instance's first pin across the design, for its nets
};

std::string NetOf(int designPin) {
    return "N" + std::to_string(designPin / kPinsPerNet);
}

std::vector<TInstance> Instances(const std::vector<TComponentKind>& kinds, int count) {
    std::vector<TInstance> instances;
    std::vector<int> perPrefix(256, 0);
    int pin = 0;
    for (int i = 0; i < count; ++i) {
        TInstance instance;
        instance.Kind = &kinds[static_cast<size_t>(i) % kinds.size()];
        const int number = ++perPrefix[static_cast<unsigned char>(instance.Kind->Prefix[0])];
        instance.RefDes = instance.Kind->Prefix + std::to_string(number);
        instance.FirstPin = pin;
        pin += instance.Kind->Pins();
        instances.push_back(instance);
    }
    return instances;
}

void WriteNetlist(TOut& out, const std::vector<TInstance>& instances) {
    out.Line(0, "(netlist \"Netlist_1\"");
    for (const TInstance& instance : instances) {
        out.Line(1, "(compInst " + Quoted(instance.RefDes));
        out.Line(2, "(compRef " + Quoted(instance.Kind->CompName() + "_1") + ")");
        out.Line(2, "(originalName " + Quoted(instance.Kind->CompName()) + ")");
        out.Line(2, "(compValue " + Quoted(std::to_string(instance.FirstPin % 97) + "k") + ")");
        out.Line(2, "(patternName \"SO" + std::to_string(instance.Kind->Pins()) + "\")");
        out.Line(1, ")");
    }
    // Nets join kPinsPerNet consecutive pins of the design.
    int currentNet = -1;
    for (const TInstance& instance : instances) {
        for (int p = 0; p < instance.Kind->Pins(); ++p) {
            const int designPin = instance.FirstPin + p;
            if (designPin / kPinsPerNet != currentNet) {
                if (currentNet >= 0) out.Line(1, ")");
                currentNet = designPin / kPinsPerNet;
                out.Line(1, "(net " + Quoted(NetOf(designPin)));
            }
            out.Line(
                2, "(node " + Quoted(instance.RefDes) + " " + Quoted(std::to_string(p + 1)) + ")");
        }
    }
    if (currentNet >= 0) out.Line(1, ")");
    out.Line(0, ")");
    out.Line(0, "");
}

void WriteDesignHeader(TOut& out) {
    out.Line(1, "(schDesignHeader ");
    out.Line(2, "(workspaceSize 23385.8 16535.4)");
    out.Line(2, "(gridDfns (grid \"100.0\") )");
    out.Line(2, "(designInfo ");
    out.Line(3, "(fieldSet \"(Default)\"");
    for (const char* field : {"Date", "Time", "Author", "Revision", "Title", "Company Name"})
        out.Line(4, "(fieldDef " + Quoted(field) + " \"\")");
    out.Line(3, ")");
    out.Line(2, ")");
    out.Line(2, "(junctionSize 20.0)");
    out.Line(1, ")");
    out.Line(1, "(titleSheet ");
    out.Line(2, " \"\"");
    out.Line(2, "1.0000 ");
    out.Line(2, "(isVisible True)");
    out.Line(2, "(offset 0.0 0.0)");
    out.Line(2, "(border (isVisible False) (height 15535.4) (width 22385.8) (offset 500.0 500.0))");
    out.Line(1, ")");
}

// One part of an instance at (x, y) [mil], a wire from each pin end outwards and a junction on
// every other wire.
void WritePart(TOut& out, const TInstance& instance, int part, int x, int y) {
    const TComponentKind& kind = *instance.Kind;
    out.Line(2, "(symbol (symbolRef " + Quoted(kind.SymbolName() + "_1") + ") (refDesRef " +
                    Quoted(instance.RefDes) + ") (partNum " + std::to_string(part) + ") " +
                    Pt(x, y) + " ");
    out.Line(3, "(attr \"RefDes\" \"\" " + Pt(300, 150) +
                    " (isVisible True) (justify LowerLeft) (textStyleRef \"(PartStyle)\") )");
    out.Line(3, "(attr \"Value\" \"\" " + Pt(300, -900) +
                    " (isVisible True) (justify UpperLeft) (textStyleRef \"(PartStyle)\") )");
    out.Line(3,
             "(attr \"ComponentHeight\" \"51\" (textStyleRef \"(Default)\") (constraintUnits "
             "mil) )");
    out.Line(2, ")");
    const int pins = kind.PinsPerPart;
    for (int p = 0; p < pins; ++p) {
        const bool left = PinX(p, pins) == 0;
        const int px = x + (left ? 0 : 1300);
        const int py = y + PinY(p, pins);
        const int end = px + (left ? -200 : 200);
        const std::string net = NetOf(instance.FirstPin + (part - 1) * pins + p);
        out.Line(2, "(wire (line " + Pt(px, py) + " " + Pt(end, py) + " (width 10.0) (netNameRef " +
                        Quoted(net) + ") )");
        out.Line(2, ")");
        if (p % 2 == 0)
            out.Line(2, "(junction " + Pt(end, py) + " (netNameRef " + Quoted(net) + ") )");
    }
}

// A bus along the bottom of the block with 16 entries, each with a short wire of a bus net.
void WriteBus(TOut& out, int block, int left, int top) {
    const std::string bus = "BUS" + std::to_string(block);
    const int y = top + 500;
    out.Line(2, "(bus " + Quoted(bus) + " " + Pt(left + 1000, y) + " " + Pt(left + 3000, y) + " )");
    out.Line(2, "(bus " + Quoted(bus) + " " + Pt(left + 3000, y) + " " + Pt(left + 3000, y + 1000) +
                    " )");
    for (int b = 0; b < 16; ++b) {
        const int x = left + 1100 + 100 * b;
        const std::string net = "D" + std::to_string(block) + "_" + std::to_string(b);
        out.Line(2, "(busEntry (busNameRef " + Quoted(bus) + ") " + Pt(x, y) + " (orient Up) )");
        out.Line(2, "(wire (line " + Pt(x + 100, y + 100) + " " + Pt(x + 100, y + 400) +
                        " (width 10.0) (netNameRef " + Quoted(net) + ") )");
        out.Line(2, ")");
    }
}

void WriteBlockDecorations(TOut& out, int block, int left, int top) {
    static const char* kPortTypes[] = {"NoAngle_Sgl_Horz", "RightAngle_Dbl_Horz",
                                       "BothAngle_Dbl_Horz", "NoOutline_Right"};
    for (int p = 0; p < 6; ++p) {
        out.Line(2, "(port " + Pt(left + 200, top + 2000 + 400 * p) + " (portType " +
                        kPortTypes[p % 4] + ") (portPinLength PortPinShort) (netNameRef \"PORT" +
                        std::to_string(p) + "\") (rotation " + (p % 2 ? "180.0" : "0.0") + ") )");
    }
    out.Line(2, "(text " + Pt(left + 800, top + 15500) + " \"Block " + std::to_string(block) +
                    " of the synthetic design\" (textStyleRef \"(Default)\") (extent 19.38337 mm "
                    "135.0) )");
    out.Line(2, "(text " + Pt(left + 800, top + 15300) +
                    " \"Note: \\\"quoted\\\" words\" (textStyleRef \"(Default)\") (justify Left) "
                    "(extent 1233.7 70.0) )");
    out.Line(2, "(line " + Pt(left + 500, top + 500) + " " + Pt(left + 22000, top + 500) + " " +
                    Pt(left + 22000, top + 16000) + " (width 10.0) (style DashedLine) )");
}

void WriteBlock(TOut& out, int block, int left, int top, const std::vector<TInstance>& instances,
                size_t first, size_t last) {
    int slot = 0;
    for (size_t i = first; i < last; ++i) {
        for (int part = 1; part <= instances[i].Kind->Parts; ++part, ++slot) {
            const int x = left + 1500 + 2000 * (slot % 10);
            const int y = top + 15000 - 1800 * (slot / 10);
            WritePart(out, instances[i], part, x, y);
        }
    }
    WriteBus(out, block, left, top);
    WriteBlockDecorations(out, block, left, top);
}

// Where a block stands, its left edge and top [mil].
struct TBlockOrigin {
    int Left = 0;
    int Top = 0;
};

// On one sheet the blocks fill a grid from the top left. Coordinates stay within what the
// format can hold (about +-214748 mil): a sheet takes up to 17 x 13 blocks (about 40 MB), and
// blocks past those would pile up at the edge of the range.
TBlockOrigin OneSheetOrigin(int block) {
    constexpr int kColumns = 17;
    constexpr int kColumnPitch = 24000, kRowPitch = 32000;  // [mil]; a block is 22000 wide
    return {-204000 + kColumnPitch * (block % kColumns), 198000 - kRowPitch * (block / kColumns)};
}

void WriteDesign(TOut& out, const std::vector<TInstance>& instances, bool oneSheet) {
    out.Line(0, "(schematicDesign \"SchDesign_1\"");
    WriteDesignHeader(out);
    int sheet = 0;
    int block = 0;
    for (size_t first = 0; first < instances.size(); first += kInstancesPerBlock) {
        const bool opensSheet = !oneSheet || first == 0;
        if (opensSheet) {
            const std::string number = std::to_string(++sheet);
            out.Line(1, "(sheet " + Quoted("Sheet" + number) + " (sheetNum " + number + ")");
            out.Line(2, "(fieldSetRef \"(Default)\")");
        }
        const TBlockOrigin origin = oneSheet ? OneSheetOrigin(block) : TBlockOrigin{};
        WriteBlock(out, ++block, origin.Left, origin.Top, instances, first,
                   std::min(instances.size(), first + kInstancesPerBlock));
        if (!oneSheet || first + kInstancesPerBlock >= instances.size()) out.Line(1, ")");
    }
    out.Line(0, ")");
}

}  // namespace

int64_t WriteSyntheticDesign(const std::string& path, int64_t bytes, bool oneSheet) {
    TOut out(path);
    const std::vector<TComponentKind> kinds = ComponentKinds(60);
    const int count = static_cast<int>(std::max<int64_t>(1, bytes / kBytesPerInstance));
    const std::vector<TInstance> instances = Instances(kinds, count);
    WriteHeader(out, "synthetic.sch");
    WriteLibrary(out, kinds);
    WriteNetlist(out, instances);
    WriteDesign(out, instances, oneSheet);
    return out.Written();
}

int64_t WriteSyntheticLibrary(const std::string& path, int64_t bytes) {
    // Bytes one kind costs: its symbol and its component definition.
    constexpr int64_t kBytesPerKind = 7400;
    TOut out(path);
    const int count = static_cast<int>(std::max<int64_t>(1, bytes / kBytesPerKind));
    WriteHeader(out, "synthetic.lia");
    WriteLibrary(out, ComponentKinds(count));
    return out.Written();
}

}  // namespace bench
