#pragma once
// Nets, their nodes, net classes and class-to-class rules of the netlist: read and kept; the
// host's connectivity comes from the drawn wires, labels and ports instead.

#include <memory>
#include <string>
#include <vector>

#include "reader/nimbo_object.h"

class TNimboAttr;

class TNimboNode : public TNimboDesignObject {
  public:
    explicit TNimboNode(TNimboObject* owner);
    void Parse() override;

    std::string FValue1;
    std::string FValue2;
};

class TNimboNet : public TNimboDesignObject {
  public:
    explicit TNimboNet(TNimboObject* owner);
    ~TNimboNet() override;
    void Parse() override;

    std::string FName;
    std::vector<std::unique_ptr<TNimboNode>> FNodes;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;
    bool FIsPlane = false;
    bool FIsVisible = true;
    bool FIsVisibleGrid = true;
    std::string FNetPlaneColor;
};

class TNimboNetClass : public TNimboDesignObject {
  public:
    explicit TNimboNetClass(TNimboObject* owner);
    ~TNimboNetClass() override;
    void Parse() override;

    std::string FName;
    std::vector<std::string> FNetNames;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;
};

class TNimboClassToClass : public TNimboDesignObject {
  public:
    explicit TNimboClassToClass(TNimboObject* owner);
    ~TNimboClassToClass() override;
    void Parse() override;

    std::string FClassName1;
    std::string FClassName2;
    std::vector<std::unique_ptr<TNimboAttr>> FAttrs;
};
