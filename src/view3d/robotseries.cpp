#include "view3d/robotseries.h"

#include "view3d/robotmodel.h"

#include <QStringList>

namespace RobotSeries {

namespace {

constexpr int ListCount = 9;
constexpr int JointCount = 18;

// The robot series with a link structure of their own. Our robot ("QR6") is
// a plain six-joint chain, so it belongs to none.
const QStringList& seriesList(int list)
{
    static const QStringList lists[ListCount + 1];
    return lists[list >= 1 && list <= ListCount ? list : 0];
}

int firstList(const QString& series, std::initializer_list<int> order)
{
    for (const int list : order)
        if (seriesList(list).contains(series))
            return list;
    return 0;
}

float joint(const float* joints, int n)
{
    return n >= 0 && n < JointCount ? joints[n] : 0.0f;
}

} // namespace

bool inList(const QString& series, int list)
{
    return seriesList(list).contains(series);
}

int treeList(const QString& series)
{
    return firstList(series, {2, 3, 7, 8, 9, 4, 6, 5});
}

int poseList(const QString& series)
{
    return firstList(series, {2, 3, 7, 9, 8, 4, 6, 1, 5});
}

Tree treeOf(int list)
{
    switch (list) {
    case 2:
        return TreeA;
    case 3:
        return TreeB;
    case 6:
    case 7:
        return TreeC;
    case 4:
    case 9:
        return TreeD;
    default:
        return Chain;
    }
}

std::vector<std::pair<int, int>> treePairs(Tree tree, int linkCount)
{
    std::vector<std::pair<int, int>> pairs;
    switch (tree) {
    case Chain:
        for (int i = 0; i + 1 < linkCount; ++i)
            pairs.emplace_back(i, i + 1);
        break;
    case TreeA:
        pairs = {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}};
        break;
    case TreeB:
        pairs = {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {4, 8}};
        break;
    case TreeC:
        pairs = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {2, 5}, {5, 6}, {6, 7}, {7, 8}};
        break;
    case TreeD:
        pairs = {{0, 1}, {1, 2}, {1, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}};
        break;
    }
    // A description with fewer links than its tree names gets the pairs of
    // the links it has.
    std::vector<std::pair<int, int>> existing;
    for (const auto& pair : pairs)
        if (pair.first < linkCount && pair.second < linkCount)
            existing.push_back(pair);
    return existing;
}

float linkAngle(int list, int i, const std::vector<RobotModel*>& links, const float* joints)
{
    const RobotModel& link = *links[i];
    const int index = link.jointIndex;
    const bool arm = link.kind == RobotModel::Arm;
    const auto indexOf = [&links](int n) {
        return n >= 0 && n < int(links.size()) ? links[n]->jointIndex : -1;
    };
    switch (list) {
    case 1:
        if (i == 0)
            return 0.0f;
        if (i == 5 || i == 8)
            return joint(joints, 6);
        if (i == 6)
            return joint(joints, 4);
        if (i == 7)
            return joint(joints, 5);
        return joint(joints, i - 1);
    case 2:
        if (arm)
            return i == 0 || i == 7 ? 0.0f : joint(joints, index - 1);
        return link.kind == RobotModel::Obstacle ? joint(joints, 3) : joint(joints, 1);
    case 3:
        if (arm)
            return i == 0 ? 0.0f : joint(joints, index - 1);
        if ((link.kind == RobotModel::SubArm && i == 2) ||
            (link.kind == RobotModel::Clamp && i == 4))
            return joint(joints, indexOf(3) - 1);
        if (link.kind == RobotModel::SubArm && i == 8)
            return joint(joints, indexOf(5) - 1);
        if (link.kind == RobotModel::Clamp && i == 6)
            return -joint(joints, indexOf(5) - 1);
        return 0.0f;
    case 5:
        if (i == 0)
            return 0.0f;
        if (i == 1)
            return joint(joints, 6);
        if (i == 8)
            return joint(joints, 7);
        return joint(joints, i - 2);
    case 6:
    case 7:
        if (arm)
            return i == 0 ? 0.0f : joint(joints, index - 1) + (i == 3 ? joint(joints, 1) : 0.0f);
        if (link.kind == RobotModel::SubArm)
            return -(joint(joints, 1) + joint(joints, 2));
        if (link.kind == RobotModel::Clamp)
            return joint(joints, 1) + joint(joints, 2);
        return 0.0f;
    case 8:
        if (!arm || i == 0)
            return 0.0f;
        return joint(joints, index - 1) + (index == 3 ? joint(joints, 1) : 0.0f) -
               (index == 5 ? joint(joints, 2) : 0.0f);
    case 4:
    case 9:
        if (arm)
            return i == 0 ? 0.0f : joint(joints, index - 1);
        return link.kind == RobotModel::Obstacle ? 0.0f : joint(joints, 1);
    default:
        return i == 0 ? 0.0f : joint(joints, i - 1);
    }
}

} // namespace RobotSeries
