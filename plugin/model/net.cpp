#include "model/net.h"

#include "model/attribute.h"
#include "reader/keywords.h"
#include "reader/parse_loop.h"

TNimboNode::TNimboNode(TNimboObject* owner) : TNimboDesignObject(owner) {}

void TNimboNode::Parse() {
    FValue1 = ReadString();
    FValue2 = ReadString();
    RunParseLoop(*this, [](int32_t) { return false; });
}

TNimboNet::TNimboNet(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboNet::~TNimboNet() = default;

void TNimboNet::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::node:
                FNodes.push_back(ParseChild<TNimboNode>(*this));
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            case kw::isPlane:
                FIsPlane = ReadBoolean();
                return true;
            case kw::isVisible:
                FIsVisible = ReadBoolean();
                return true;
            case kw::isVisibleGrid:
                FIsVisibleGrid = ReadBoolean();
                return true;
            case kw::netPlaneColor:
                FNetPlaneColor = ReadString();
                return true;
            default:
                return false;
        }
    });
}

TNimboNetClass::TNimboNetClass(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboNetClass::~TNimboNetClass() = default;

void TNimboNetClass::Parse() {
    FName = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        switch (token) {
            case kw::netNameRef:
                FNetNames.push_back(ReadString());
                return true;
            case kw::attr:
                FAttrs.push_back(ParseChild<TNimboAttr>(*this));
                return true;
            default:
                return false;
        }
    });
}

TNimboClassToClass::TNimboClassToClass(TNimboObject* owner) : TNimboDesignObject(owner) {}
TNimboClassToClass::~TNimboClassToClass() = default;

void TNimboClassToClass::Parse() {
    FClassName1 = ReadString();
    FClassName2 = ReadString();
    RunParseLoop(*this, [this](int32_t token) {
        if (token != kw::attr) return false;
        FAttrs.push_back(ParseChild<TNimboAttr>(*this));
        return true;
    });
}
