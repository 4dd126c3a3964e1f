#pragma once

#include "view3d/object3d.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class Model;
class ParameterImage;
class RobotFrames;
class RobotInfo;
class RobotModel;

// The robot arm of the 3D view. The constructor loads it, synchronously and
// without GL: it finds the robot description of the image's robot type
// under the robot model folder, checks it and its meshes, builds one mesh
// per link with its mounting and home orientation, chains ten invisible
// coordinate-system nodes in front of the links and links them into a tree
// that depends on the series. update() poses it from the frames and joint
// values; draw() renders node 0 and so the whole tree.
class Robot : public Object3D
{
public:
    static constexpr int NodeCount = 10;

    // image, frames and joints (18 values) are read at every update and
    // must outlive the robot.
    Robot(const ParameterImage& image, const RobotFrames& frames, const float* joints);
    // With the model already picked (modelNameFor), so that the model folder
    // is not searched a second time; availableModels() stays empty.
    Robot(const ParameterImage& image, const RobotFrames& frames, const float* joints,
          const QString& modelName);
    ~Robot() override;

    void update() override;
    void draw(const Matrix4::Matrix& view) override;
    // Links only; the nodes stay invisible.
    void setVisible(bool visible) override;

    // True when the description gave no DH origin that the controller's
    // origin mode can use: the model is not supported and the program ends
    // after start-up. The loader only records it; the view tells the user
    // once the robot is built.
    bool isUnsupported() const { return m_unsupported; }

    const std::vector<RobotModel*>& links() const { return m_links; }
    const std::vector<Model*>& nodes() const { return m_nodes; }
    const QString& modelName() const { return m_modelName; }
    const QString& seriesName() const { return m_seriesName; }
    const QStringList& availableModels() const { return m_availableModels; }

    // The model that image's robot type names among the descriptions in the
    // model folder, as the constructor picks it; empty when none matches.
    static QString modelNameFor(const ParameterImage& image);

private:
    static QStringList listModelNames();
    static QString matchModelName(const ParameterImage& image, const QStringList& available);
    void load(const QString& name);
    bool readDescription(const QString& name, RobotInfo& info);
    void buildLinks(const RobotInfo& info);
    void buildLinkTree();
    // Where the mesh of a description item lies: the "mesh" folder beside
    // the description, for checking and loading alike. Empty for a name
    // that would leave that folder.
    QString meshPath(const QString& model) const;

    std::vector<std::array<float, 3>> m_turnAxes; // per link: its joint's axis (zvec)
    std::vector<Matrix4::Matrix> m_homeOrientations;
    std::vector<RobotModel*> m_links;
    std::vector<Model*> m_nodes;
    const ParameterImage& m_image;
    const RobotFrames& m_frames;
    const float* m_joints;
    QString m_modelName;
    QStringList m_availableModels;
    QString m_seriesName;
    QString m_meshFolder;
    std::vector<bool> m_slides; // per link: driven by a linear joint
    bool m_unsupported = false;
};
