#pragma once

#include <QLabel>

// Read-only value field of the dark theme, right-aligned. The object names
// "item-caption", "item-x", "item-y", "item-z", "form-changed" and
// "form-updated" select its other looks.
class Label : public QLabel
{
    Q_OBJECT

public:
    Label(const QString& text, const QString& objectName, QWidget* parent = nullptr,
          Qt::WindowFlags flags = Qt::WindowFlags());
    explicit Label(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
};
