#pragma once

#include <QHash>
#include <QString>

// Program-wide key to text table: built-in defaults, then the settings file
// read once at start-up. Keys are bare names (the file's group is not part of
// the key); a boolean setting is true only when its text is exactly "true".
class Setting
{
public:
    static Setting* instance();

    void load(const QString& path);
    // A missing key is added with the empty text and the empty text returned;
    // present (when given) tells whether the key existed before the look-up.
    QString value(const QString& key, bool* present = nullptr);
    bool isTrue(const QString& key) { return value(key) == QLatin1String("true"); }
    void dump();

    // Puts the built-in defaults back; for tests that load several files.
    void resetToDefaults();

    static QString fakeOBXReadError();
    static QString fakeOBXWriteError();
    static bool isFakeConnectionError();
    static QString fakeFileIOError();
    static bool isFakeInitialConnectionError();
    static bool isFakeInitialReadCError();
    static bool isFakeInitialReadError();
    static QString fakeSafetyReportWriteError();

private:
    Setting();
    QHash<QString, QString> m_values;
};
