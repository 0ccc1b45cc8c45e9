#include "AppTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>

Names Captions(const TForm1& form) {
    Names captions;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        captions.push_back(form.ListBox1->item(i)->text().toStdString());
    return captions;
}

Names FileList(const TForm1& form) {
    Names names;
    for (int i = 0; i < form.FileListBox1->count(); ++i)
        names.push_back(form.FileListBox1->item(i)->text().toStdString());
    return names;
}

Names Selected(const TForm1& form) {
    Names names;
    for (int i = 0; i < form.ListBox1->count(); ++i)
        if (form.ListBox1->item(i)->isSelected())
            names.push_back(form.ListBox1->item(i)->text().toStdString());
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

void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(widget, key, modifiers);
    Settle();
}

void Trigger(QAction* action) {
    action->trigger();
    Settle();
}

bool Drop(QWidget* widget, const std::vector<std::string>& urls) {
    QMimeData data;
    QList<QUrl> list;
    for (const std::string& u : urls)
        list.push_back(QUrl(QString::fromStdString(u)));
    data.setUrls(list);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    Settle();
    return drop.isAccepted();
}

TWindowSetup::TWindowSetup(std::string programDir, bool start) {
    if (programDir.empty()) {
        programDir = home.File("program");
        std::filesystem::create_directory(programDir);
    }
    m_programDir = programDir;
    if (start)
        form = NewForm();
}

std::unique_ptr<TForm1> TWindowSetup::NewForm() {
    TForm1::TOptions options;
    options.ProgramDir = m_programDir;
    options.SettingsFile = SettingsFile();
    options.ExportDialog = exportDialog;
    options.Dialogs = &dialogs;
    options.OpenPaths = openPaths;
    auto f = std::make_unique<TForm1>(options);
    f->ShowRestored();
    // The first show restores the window and opens what it was given.
    Settle();
    Settle();
    return f;
}

void TWindowTest::ShowDir() {
    form().SetTreeFolder(QString::fromStdString(dir.Path()));
    Settle();
}
