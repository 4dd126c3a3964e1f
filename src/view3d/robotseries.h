#pragma once

#include <QString>

#include <utility>
#include <vector>

class RobotModel;

// What a robot series changes in the robot's build and posing: the series
// lists select the link tree and the rule that turns each link from the
// joint values. A series in no list is a plain chain turned joint by joint.
namespace RobotSeries {

enum Tree
{
    Chain,
    TreeA,
    TreeB,
    TreeC,
    TreeD,
};

// Series list 1 to 9 holding the series name, in the order the link tree
// looks them up; 0 when none does.
int treeList(const QString& series);
// The same for the posing rule's order.
int poseList(const QString& series);
bool inList(const QString& series, int list);

Tree treeOf(int list);
// Parent-child pairs of link indices; only pairs of links that exist.
std::vector<std::pair<int, int>> treePairs(Tree tree, int linkCount);

// Degrees (or millimetres for a sliding link) for link i under the rule of
// series list `list` (0: the default rule). joints holds the 18 values; a
// rule that names a joint outside them reads 0.
float linkAngle(int list, int i, const std::vector<RobotModel*>& links, const float* joints);

} // namespace RobotSeries
