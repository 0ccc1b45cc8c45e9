#include "AppTestSupport.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <filesystem>

std::vector<std::string> Captions(const TForm1& form) {
    std::vector<std::string> captions;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        captions.push_back(form.ListBox1->item(i)->text().toStdString());
    return captions;
}

std::vector<std::string> FileList(const TForm1& form) {
    std::vector<std::string> names;
    for (int i = 0; i < form.FileListBox1->count(); ++i)
        names.push_back(form.FileListBox1->item(i)->text().toStdString());
    return names;
}

void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

bool ClickItem(QListWidget* list, const std::string& text, Qt::KeyboardModifiers modifiers) {
    const QList<QListWidgetItem*> found =
        list->findItems(QString::fromStdString(text), Qt::MatchFixedString);
    if (found.isEmpty())
        return false;
    list->scrollToItem(found.front());
    Settle();
    const QRect r = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, r.center());
    Settle();
    return true;
}

void ClickWidget(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
}

TWindowSetup::TWindowSetup(std::string programDir) {
    if (programDir.empty()) {
        programDir = home.File("program");
        std::filesystem::create_directory(programDir);
    }
    m_programDir = programDir;
    form = NewForm();
}

std::unique_ptr<TForm1> TWindowSetup::NewForm() {
    TForm1::TOptions options;
    options.ProgramDir = m_programDir;
    options.SettingsFile = SettingsFile();
    options.DefaultSettingsFile = DefaultSettingsFile();
    options.ExportDialog = exportDialog;
    options.Dialogs = &dialogs;
    auto f = std::make_unique<TForm1>(options);
    f->show();
    QApplication::processEvents();
    return f;
}
