#pragma once

#include <QDialog>
#include <QString>
#include <QVector>

#include <functional>

class ParameterImage;
struct ParamDefRecord;
class QTableWidget;

namespace IO {
// Lists, parameter by parameter, where two parameter images differ: the
// display name (with the group and element it concerns) and the value in
// each image. Opened to review a verification, or to confirm a write.
//
// Answering without a person: setAutoAnswer installs a function that exec()
// calls instead of running the modal event loop; exec() returns Accepted
// when it returns true. Tests set it and clear it (an empty function); the
// program never does.
class ComparisonView : public QDialog
{
    Q_OBJECT

public:
    enum Mode
    {
        Review,  // one Close button
        Confirm, // OK and Cancel
    };
    struct Row
    {
        int no = 0;    // parameter number
        int group = 1; // of the definition, counted from 1
        int element = 1;
        QString name;
        QString left;
        QString right;
    };
    using AutoAnswer = std::function<bool(ComparisonView& view)>;

    ComparisonView(const ParameterImage& left, const ParameterImage& right,
                   const QString& leftTitle, const QString& rightTitle, Mode mode,
                   const QString& caption, QWidget* parent = nullptr);

    int exec() override;

    const QVector<Row>& rows() const { return m_rows; }
    QTableWidget* table() const { return m_table; }

    // A cell's bytes (offset, size) that count as different although the
    // images hold the same bytes there.
    using AlsoDiffers = std::function<bool(int offset, int size)>;

    // Every value of the parameter catalogue that differs between the images,
    // in parameter order.
    static QVector<Row> differences(const ParameterImage& left, const ParameterImage& right,
                                    const AlsoDiffers& alsoDiffers = nullptr);
    // A value as the view shows it: all values of a cell that has several,
    // joined by commas; a text escaped as DisplayText::shown() does.
    static QString valueText(const ParameterImage& image, const ParamDefRecord& record, int group,
                             int element);
    // One of the values (from 1) of such a cell.
    static QString valueText(const ParameterImage& image, const ParamDefRecord& record, int group,
                             int element, int value);

    static void setAutoAnswer(AutoAnswer answer);

private:
    QVector<Row> m_rows;
    QTableWidget* m_table;
};
} // namespace IO
