#pragma once

#include "io/ftplistentry.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QButtonGroup;
class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace IO {
// Chooses a parameter file to open or a name to save one under, on one of
// three drives: the controller's work folder over FTP ("CFast", online
// only), the PC's disk ("PC Disk") or, for robot data, the unit itself
// ("Orbilux", online only). Offline only the PC's disk is offered.
//
// Answering without a person: setAutoAnswer installs a function that exec()
// calls instead of running the modal event loop, once the dialog has listed
// its first folder. The function may choose a drive, a folder and a file
// name through the public setters; exec() returns Accepted when the function
// returns true and a file (or the unit) is chosen, Rejected otherwise. Tests
// set it and clear it (an empty function); the program never does.
class FileDialog : public QDialog
{
    Q_OBJECT

public:
    enum Type
    {
        SaveParameterFile = 0,
        OpenParameterFile = 1,
        VerifyParameterFile = 2,
        OpenRobotData = 3,
        // A PDF safety report, on the PC's disk only.
        SaveSafetyReport = 4,
    };
    enum Drive
    {
        CFast = 0,
        PcDisk = 1,
        Orbilux = 2,
    };
    enum Mode
    {
        SaveMode = 0,
        OpenMode = 1,
    };

    static const QString driveLabels[3];
    static const QString driveButtonLabels[3];
    static const QString folderIconPath;
    // Mode of each dialog type.
    static const int typeModes[5];
    static const QString contentStyleSheet;

    // Lists a folder of the controller; false when the listing failed.
    using RemoteLister = std::function<bool(const QString& folder, QVector<FtpListEntry>* entries)>;
    using AutoAnswer = std::function<bool(FileDialog& dialog)>;

    // localFolder: where the PC's disk starts; remoteFolder: the controller's
    // folder of parameter files. fileName: the name proposed when saving.
    FileDialog(Type type, bool online, const QString& localFolder, const QString& remoteFolder,
               RemoteLister lister, const QString& fileName = QString(), QWidget* parent = nullptr);

    int exec() override;
    // Accepting a name to save under that exists asks whether to replace it;
    // No returns to the dialog.
    void done(int result) override;

    Type type() const { return m_type; }
    Mode mode() const { return Mode(typeModes[m_type]); }
    bool isDriveOffered(Drive drive) const;
    Drive drive() const { return m_drive; }
    // False when the drive is not offered.
    bool selectDrive(Drive drive);
    QString folder() const { return m_folder; }
    // Changes the folder of the PC's disk; false when it does not exist.
    bool setLocalFolder(const QString& folder);
    QString fileName() const;
    void setFileName(const QString& name);
    // Folder and file name joined, a report's name ending in ".pdf"; empty
    // for the unit.
    QString selectedPath() const;
    // Names of the files shown in the current folder.
    QStringList listedFiles() const { return m_files; }
    // The controller's folder could not be listed: the dialog ended.
    bool listingFailed() const { return m_listingFailed; }

    static void setAutoAnswer(AutoAnswer answer);

private:
    // Where a drive's listing starts; empty for the unit.
    QString folderOf(Drive drive) const;
    void fill();
    void fillLocal(QTreeWidgetItem* top, const QIcon& folderIcon);
    bool fillRemote(QTreeWidgetItem* top);
    void itemClicked(QTreeWidgetItem* item);
    void itemActivated(QTreeWidgetItem* item);
    bool canAccept() const;
    // False when the chosen name exists and the user keeps it.
    bool mayTake();
    void updateButtons();

    Type m_type;
    bool m_online;
    QString m_localFolder;
    QString m_remoteFolder;
    RemoteLister m_lister;
    Drive m_drive = PcDisk;
    QString m_folder;
    QStringList m_files;
    QStringList m_remoteNames; // every file of the listed controller folder
    bool m_listingFailed = false;

    QButtonGroup* m_driveButtons;
    QRadioButton* m_driveRadios[3] = {};
    QLabel* m_folderLabel;
    QTreeWidget* m_tree;
    QLineEdit* m_nameEdit;
    QPushButton* m_okButton;
};
} // namespace IO
