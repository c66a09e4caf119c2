#pragma once

#include <string>
#include <string_view>
#include <vector>

// One node of the demo classification tree (t_treecode, F_flag 'type'), with
// what the archive maker needs to fill the archives of a leaf.
struct DemoClass {
    std::string code;         // three digits per level: 001, 001002, 001002003
    std::string name;
    std::string path;         // F_likecode, as the tree window writes it
    int level = 1;
    bool leaf = false;
    // Leaves only:
    std::string codePrefix;   // archive codes begin with it, e.g. "WS03"
    std::string_view nameTemplate; // see DemoArchives for the placeholders
    int weight = 0;           // share of the archives filed in this class
};

namespace DemoClasses {

// The whole tree in code order, as if typed into the tree window node by node.
std::vector<DemoClass> tree();

// The path the tree window gives a new child of a node with the given path
// (the root's path is two backslashes): the parent's path, a backslash and
// the name, with every run of three backslashes made two.
std::string childPath(std::string_view parentPath, std::string_view name);

inline constexpr std::string_view kRootPath = "\\\\";

}
