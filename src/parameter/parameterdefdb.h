#pragma once

#include "paramdefrecord.h"
#include "paramtreenode.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <vector>

// The built-in catalogue of the parameters of the image (trailer excluded):
// their definitions, the translated label texts and the label tree that the
// comparison view and the report writer walk. Built once, on first use, in
// the language and with the isVSFtoAFM switch of that moment; never changed
// or destroyed afterwards.
class ParameterDefDB : public QObject
{
    Q_OBJECT

public:
    static ParameterDefDB* instance();

    // Null when the number is not in the table (the trailer fields never are).
    const ParamDefRecord* findParamByNo(quint32 no) const;

    // The translated name parts joined by " - "; placeholders stay as they are.
    QString displayName(const ParamDefRecord& record) const;
    QString displayName(const ParamDefRecord* record) const;
    // The display name followed by the numbered labels of the group and the
    // element it concerns, counted from 1: "Tool Model - Radius (Tool 3, Model 5)".
    // Shapes of one group or one element name no number.
    QString qualifiedName(const ParamDefRecord& record, int group, int element) const;
    // Only the numbered labels: "Tool 3, Model 5"; empty for a single value.
    QString cellQualifier(const ParamDefRecord& record, int group, int element) const;

    // Read directly by their users; constant after construction.
    std::vector<ParamDefRecord> records; // ascending parameter number
    QVector<QString> names;              // label texts by label id
    ParamTreeNode root;

protected:
    // Reached through instance(); a derived class may build a second copy.
    ParameterDefDB();

private:
    void loadNames();
    void buildTree();
    void addToTree(int index);
};
