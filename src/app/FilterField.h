// TFilterField: the filter field above a list (the slide list, the pattern list). Its text says
// which names the list shows (MatchesFilter); the placeholder is also its name for screen
// readers. Escape clears it; on an empty field Escape goes on to the window.
#pragma once

#include <QLineEdit>

class TFilterField : public QLineEdit {
    Q_OBJECT
public:
    TFilterField(const char* name, const QString& placeholder, QWidget* parent = nullptr);

    // The field above list, in one widget that takes list's place (in a splitter).
    QWidget* Above(QWidget* list);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
