// TQtDialogs: the window's implementation of TDialogs on Qt's standard dialogs.
#include "QtDialogs.h"
#include "AboutBox.h"
#include "QtCanvas.h"
#include "QtSupport.h"
#include "model/Progress.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace {

// "SLD-files (*.sld)|*.sld|PDF file|*.pdf" -> {"SLD-files (*.sld)", "PDF file (*.pdf)"}.
QStringList QtFilters(const std::string& filter) {
    const QStringList parts = ToQString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        filters << (parts[i].contains('(') ? parts[i] : parts[i] + " (" + patterns + ")");
    }
    return filters;
}

QString Title() {
    return QStringLiteral("Varnel");
}

// Lets the chooser of an existing file open whatever existing file the user types, whatever
// filter is shown: the filter narrows the list, the command decides the kind of the file. Qt's
// own chooser turns its Open button off for a typed name its filter hides.
class TAnyTypedFile : public QObject {
public:
    explicit TAnyTypedFile(QFileDialog& dialog) : QObject(&dialog), m_dialog(dialog) {
        // Qt's chooser makes its widgets when it shows (the desktop's own chooser has none).
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && m_edit == nullptr)
            Attach();
        return QObject::eventFilter(watched, event);
    }

private:
    void Attach() {
        auto* edit = m_dialog.findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = m_dialog.findChild<QDialogButtonBox*>("buttonBox");
        m_open = buttons != nullptr ? buttons->button(QDialogButtonBox::Open) : nullptr;
        if (edit == nullptr || m_open == nullptr)
            return; // the desktop's own chooser: it decides for itself
        m_edit = edit;
        // Queued, so that it runs after the chooser's own check of the name and the filter.
        connect(m_edit, &QLineEdit::textChanged, this, &TAnyTypedFile::Later);
        connect(&m_dialog, &QFileDialog::filterSelected, this, &TAnyTypedFile::Later);
        connect(&m_dialog, &QFileDialog::directoryEntered, this, &TAnyTypedFile::Later);
        Later();
    }
    void Later() { QMetaObject::invokeMethod(this, &TAnyTypedFile::Check, Qt::QueuedConnection); }
    void Check() {
        if (!m_open->isEnabled() && IsTypedFile())
            m_open->setEnabled(true);
    }
    // The typed name as the chooser takes it (with the default extension when it has none)
    // names an existing plain file.
    bool IsTypedFile() const {
        QString name = m_edit->text().trimmed();
        if (name.isEmpty() || name.startsWith('"'))
            return false;
        if (name == "~" || name.startsWith("~/"))
            name = QDir::homePath() + name.mid(1);
        const QString suffix = m_dialog.defaultSuffix();
        if (!suffix.isEmpty() && !QFileInfo(name).fileName().contains('.'))
            name += '.' + suffix;
        return QFileInfo(m_dialog.directory().absoluteFilePath(name)).isFile();
    }

    QFileDialog& m_dialog;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_open = nullptr;
};

std::optional<TFileChoice> RunFileDialog(QWidget* parent, const TFileDialogOptions& options,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, ToQString(options.Title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(options.Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(ToQString(options.DefaultExt));
    // A name typed without an extension gets the chosen filter's ("*.pdf" -> "pdf"), so the
    // extension of the name returned and the filter agree.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, fallback = ToQString(options.DefaultExt)](const QString& filter) {
                         const QRegularExpressionMatch m =
                             QRegularExpression("\\*\\.(\\w+)").match(filter);
                         dialog.setDefaultSuffix(m.hasMatch() ? m.captured(1) : fallback);
                     });
    if (!options.InitialDir.empty())
        dialog.setDirectory(ToQString(options.InitialDir));
    if (!options.FileName.empty())
        dialog.selectFile(ToQString(options.FileName));
    if (mode == QFileDialog::AcceptOpen)
        new TAnyTypedFile(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    TFileChoice choice;
    choice.FileName = dialog.selectedFiles().first().toStdString();
    choice.FilterIndex = std::max(1, int(filters.indexOf(dialog.selectedNameFilter())) + 1);
    return choice;
}

// A folder chooser that also takes the name of a folder that does not exist yet: the command
// that asked asks before it makes the folder. Qt's own chooser only takes existing folders.
class TFolderDialog : public QFileDialog {
public:
    TFolderDialog(QWidget* parent, const QString& title, const QString& start)
        : QFileDialog(parent, title, start) {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, true);
        // The chooser's own widgets are needed to let a new name through.
        setOption(QFileDialog::DontUseNativeDialog, true);
        auto* edit = findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = findChild<QDialogButtonBox*>("buttonBox");
        if (edit && buttons) {
            // Runs after the chooser's own check, which disables the button for a name that
            // is not an existing folder.
            connect(edit, &QLineEdit::textChanged, this, [this, buttons](const QString& text) {
                if (QPushButton* accept = buttons->button(QDialogButtonBox::Open))
                    if (!text.trimmed().isEmpty() && IsNewFolder(TypedPath(text)))
                        accept->setEnabled(true);
            });
        }
    }
    // The folder chosen or typed; empty when cancelled.
    QString Chosen() const { return m_chosen; }

protected:
    void accept() override {
        auto* edit = findChild<QLineEdit*>("fileNameEdit");
        if (edit && !edit->text().trimmed().isEmpty()) {
            const QString typed = TypedPath(edit->text());
            if (IsNewFolder(typed)) {
                m_chosen = typed;
                QDialog::accept();
                return;
            }
        }
        QFileDialog::accept();
        if (result() == QDialog::Accepted && !selectedFiles().isEmpty())
            m_chosen = selectedFiles().first();
    }

private:
    QString TypedPath(const QString& text) const {
        QString path = text.trimmed();
        if (path == "~" || path.startsWith("~/"))
            path = QDir::homePath() + path.mid(1);
        return QDir::cleanPath(directory().absoluteFilePath(path));
    }
    // Nothing there yet, and its parent folder exists: a folder that can be made.
    static bool IsNewFolder(const QString& path) {
        const QFileInfo info(path);
        return !info.exists() && !info.isSymLink() && QFileInfo(info.path()).isDir();
    }

    QString m_chosen;
};

// A progress dialog for the window's long work: it shows once the work takes more than a moment,
// and its Cancel button (or Escape) asks the work to stop.
class TQtProgress : public TProgress {
public:
    static constexpr int kShowAfterMs = 500;

    TQtProgress(QWidget* parent, const QString& title, int total)
        : m_dialog(title, QObject::tr("Cancel"), 0, std::max(1, total), parent), m_total(total) {
        m_dialog.setObjectName("ProgressDialog");
        m_dialog.setWindowTitle(title);
        m_dialog.setAccessibleName(title);
        m_dialog.setWindowModality(Qt::WindowModal);
        // Shown by Step, not by the dialog's own estimate.
        m_dialog.setMinimumDuration(1 << 30);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_clock.start();
    }
    ~TQtProgress() override { m_dialog.close(); }

    bool Step(int done, const std::string& text) override {
        if (!text.empty())
            m_dialog.setLabelText(
                QObject::tr("%1 of %2: %3").arg(done + 1).arg(m_total).arg(ToQString(text)));
        m_dialog.setValue(std::min(done, m_dialog.maximum()));
        // Input is let through only while the dialog is shown: the window beneath is blocked
        // then, and only the Cancel button takes clicks.
        if (!m_dialog.isVisible()) {
            if (m_clock.elapsed() < kShowAfterMs)
                return true;
            m_dialog.show();
        }
        QCoreApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
    QElapsedTimer m_clock;
    int m_total;
};

} // namespace

TQtDialogs::TQtDialogs(QWidget* parent) : m_parent(parent) {}

TQtDialogs::~TQtDialogs() = default;

TPrinter* TQtDialogs::ChoosePrinter() {
    if (!m_printer)
        m_printer = std::make_unique<TQtPrinter>();
    return m_printer->Setup(m_parent) ? m_printer.get() : nullptr;
}

std::unique_ptr<TProgress> TQtDialogs::BeginProgress(const std::string& title, int total) {
    return std::make_unique<TQtProgress>(m_parent, ToQString(title), total);
}

void TQtDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(m_parent, Title(), ToQString(text), QMessageBox::Ok);
}

void TQtDialogs::ShowWarning(const std::string& text) {
    QMessageBox::warning(m_parent, Title(), ToQString(text), QMessageBox::Ok);
}

void TQtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(m_parent, Title(), ToQString(text), QMessageBox::Ok);
}

bool TQtDialogs::ConfirmOkCancel(const std::string& text) {
    return QMessageBox::question(m_parent, Title(), ToQString(text),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

namespace {

// Asks with Yes as the default and Escape as Cancel; the button pressed as the model's answer.
TDialogs::TAnswer AskYesNoCancel(QMessageBox& box) {
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TDialogs::TAnswer::Yes;
    case QMessageBox::No:
        return TDialogs::TAnswer::No;
    case QMessageBox::YesToAll:
        return TDialogs::TAnswer::All;
    default:
        return TDialogs::TAnswer::Cancel;
    }
}

} // namespace

TDialogs::TAnswer TQtDialogs::ConfirmYesNoCancelAll(const std::string& text) {
    QMessageBox box(
        QMessageBox::Question, Title(), ToQString(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll, m_parent);
    box.button(QMessageBox::YesToAll)->setText(QObject::tr("All"));
    return AskYesNoCancel(box);
}

TDialogs::TAnswer TQtDialogs::ConfirmYesNoCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Question, Title(), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    return AskYesNoCancel(box);
}

bool TQtDialogs::ConfirmYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, Title(), ToQString(text),
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<TColor> TQtDialogs::ChooseColour(TColor initial) {
    const QColor start(int(RedOf(initial)), int(GreenOf(initial)), int(BlueOf(initial)));
    const QColor c = QColorDialog::getColor(start, m_parent, QObject::tr("Background Colour"));
    if (!c.isValid())
        return std::nullopt;
    return RGBColor(unsigned(c.red()), unsigned(c.green()), unsigned(c.blue()));
}

std::optional<TFileChoice> TQtDialogs::SaveFileName(const TFileDialogOptions& options) {
    return RunFileDialog(m_parent, options, QFileDialog::AcceptSave);
}

std::optional<TFileChoice> TQtDialogs::OpenFileName(const TFileDialogOptions& options) {
    return RunFileDialog(m_parent, options, QFileDialog::AcceptOpen);
}

std::optional<std::string> TQtDialogs::ChooseFolder(const std::string& title,
                                                    const std::string& startFolder) {
    TFolderDialog dialog(m_parent, ToQString(title),
                         startFolder.empty() ? QDir::homePath() : ToQString(startFolder));
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen().isEmpty())
        return std::nullopt;
    return dialog.Chosen().toStdString();
}

std::string TQtDialogs::InputText(const std::string& caption, const std::string& prompt,
                                  const std::string& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, ToQString(caption), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(preset), &ok);
    return ok ? text.toStdString() : preset;
}

void TQtDialogs::ShowAbout(const std::string& product, const std::string& version) {
    TdlgAbout about(ToQString(product), ToQString(version), m_parent);
    about.exec();
}

bool TQtDialogs::OpenDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}
