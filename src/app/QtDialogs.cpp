// TQtDialogs: the window's implementation of TDialogs on Qt's standard dialogs.
#include "QtDialogs.h"
#include "AboutBox.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// "SLD-files (*.sld)|*.sld|PDF file|*.pdf" -> {"SLD-files (*.sld)", "PDF file (*.pdf)"}.
QStringList QtFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
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

std::optional<TFileChoice> RunFileDialog(QWidget* parent, const TFileDialogOptions& options,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, Q(options.Title));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = QtFilters(options.Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(Q(options.DefaultExt));
    if (!options.InitialDir.empty())
        dialog.setDirectory(Q(options.InitialDir));
    if (!options.FileName.empty())
        dialog.selectFile(Q(options.FileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    TFileChoice choice;
    choice.FileName = dialog.selectedFiles().first().toStdString();
    choice.FilterIndex = std::max(1, int(filters.indexOf(dialog.selectedNameFilter())) + 1);
    return choice;
}

} // namespace

void TQtDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(m_parent, Title(), Q(text), QMessageBox::Ok);
}

void TQtDialogs::ShowWarning(const std::string& text) {
    QMessageBox::warning(m_parent, Title(), Q(text), QMessageBox::Ok);
}

void TQtDialogs::ShowMessage(const std::string& text) {
    QMessageBox::information(m_parent, Title(), Q(text), QMessageBox::Ok);
}

bool TQtDialogs::ConfirmOkCancel(const std::string& text) {
    return QMessageBox::question(m_parent, Title(), Q(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

TDialogs::TAnswer TQtDialogs::ConfirmYesNoCancelAll(const std::string& text) {
    QMessageBox box(
        QMessageBox::Question, Title(), Q(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::YesToAll, m_parent);
    box.button(QMessageBox::YesToAll)->setText(QObject::tr("All"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    case QMessageBox::YesToAll:
        return TAnswer::All;
    default:
        return TAnswer::Cancel;
    }
}

bool TQtDialogs::ConfirmYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, Title(), Q(text), QMessageBox::Yes | QMessageBox::No,
                    m_parent);
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
    // The folder chooser offers "Create Folder" itself.
    const QString dir = QFileDialog::getExistingDirectory(m_parent, Q(title), Q(startFolder));
    if (dir.isEmpty())
        return std::nullopt;
    return dir.toStdString();
}

std::string TQtDialogs::InputText(const std::string& caption, const std::string& prompt,
                                  const std::string& preset) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, Q(caption), Q(prompt), QLineEdit::Normal, Q(preset), &ok);
    return ok ? text.toStdString() : preset;
}

void TQtDialogs::ShowAbout(const std::string& product, const std::string& version) {
    TdlgAbout about(Q(product), Q(version), m_parent);
    about.exec();
}

bool TQtDialogs::OpenDocument(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}
