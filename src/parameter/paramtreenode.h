#pragma once

#include <QtGlobal>

#include <vector>

// One node of the label tree of the parameter definitions. A node stands for
// one label id below its parent; the records below it form the index range
// first..last of ParameterDefDB::records.
struct ParamTreeNode
{
    enum Flag : quint8
    {
        Leaf = 1,         // a record ends here
        GroupLabel = 2,   // the label carries the group number ("%1")
        ElementLabel = 4, // the label carries the element number ("%1")
        RobotPart = 8,    // a robot-part record lies below
        UserPart = 16     // a user-part record lies below
    };

    std::vector<ParamTreeNode> children; // in the order of their creation
    quint16 id = 0;                      // label id, 0 at the root
    quint16 first = 0;
    quint16 last = 0;
    quint8 depth = 0; // 0 at the root, 1 at the top level
    quint8 flags = 0;
};
