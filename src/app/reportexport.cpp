#include "app/reportexport.h"

#include "app/core/displaytext.h"
#include "app/core/setting.h"
#include "app/safetyreport.h"
#include "io/dataprovider.h"
#include "io/filedialog.h"
#include "parameter/parameter.h"
#include "widgets/msgbox.h"

#include <QApplication>
#include <QDateTime>
#include <QProgressDialog>

namespace {

// Like every other write, a declined or cancelled export ends with one
// result box, so that the user knows nothing was written.
bool reportCanceled(QWidget* parent)
{
    MsgBox box(QMessageBox::Information, SafetyReport::tr("Safety Report"),
               QCoreApplication::translate("DataProvider", "Body canceled"), QMessageBox::Ok,
               parent);
    box.exec();
    return false;
}

} // namespace

bool exportSafetyReport(QWidget* parent)
{
    DataProvider* provider = DataProvider::instance();
    if (!DataProvider::confirmLimits(DataProvider::masterOutsideLimits(),
                                     SafetyReport::tr("Safety Report"), parent))
        return reportCanceled(parent);
    IO::FileDialog dialog(IO::FileDialog::SaveSafetyReport, provider && provider->online(),
                          Setting::instance()->value(QStringLiteral("ParameterPath")), QString(),
                          IO::FileDialog::RemoteLister(),
                          SafetyReport::proposedFileName(QDateTime::currentDateTime()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return reportCanceled(parent);
    const QString path = dialog.selectedPath();

    QProgressDialog progress(SafetyReport::tr("Writing the safety report..."), QString(), 0,
                             SafetyReport::StepCount, parent);
    progress.setWindowTitle(dialog.windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    // With the findings that only the texts of the files read show, as the
    // notice after reading lists them.
    const ParameterImage& master = Parameter::instance()->masterImage();
    SafetyReport report(master, provider ? provider->masterSource() : QString(),
                        DataProvider::masterOutsideLimits());
    const bool ok = report.write(path, [&progress](int done, int) {
        progress.setValue(done);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    progress.close();

    if (ok) {
        QString text = SafetyReport::tr("The safety report was written.\nFilename: %1")
                           .arg(DisplayText::fileName(path));
        // The report is of the set whose signature it carries: applied
        // values are not in it until written to the unit, whatever file
        // they were saved to.
        const Parameter* store = Parameter::instance();
        if (!store->masterImage().areasEqual(store->appliedImage()))
            text += QStringLiteral("\n\n") +
                    SafetyReport::tr("The report shows the set as last read, or as last written "
                                     "to Orbilux; changes applied since then are not in it, even "
                                     "where they were saved to a parameter file.");
        MsgBox box(QMessageBox::Information, SafetyReport::tr("Safety Report"), text,
                   QMessageBox::Ok, parent);
        box.exec();
    } else {
        MsgBox box(QMessageBox::Critical,
                   QCoreApplication::translate("DataProvider", "Title write error"),
                   QCoreApplication::translate("DataProvider", "Body file write error") +
                       QLatin1Char('\n') + DisplayText::fileName(path),
                   QMessageBox::Ok, parent);
        box.exec();
    }
    return ok;
}
