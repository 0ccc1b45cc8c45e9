#include "FilterField.h"

#include <QKeyEvent>
#include <QToolButton>

TFilterField::TFilterField(const char* name, const QString& placeholder, QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(name);
    setPlaceholderText(placeholder);
    setAccessibleName(placeholder);
    setToolTip(tr("%1 (Ctrl+F): part of the name, or a wildcard such as D1* or ?ELL*; "
                  "Escape clears it")
                   .arg(placeholder));
    setClearButtonEnabled(true);
    // The field's own clear button has no name of its own.
    for (QToolButton* button : findChildren<QToolButton*>()) {
        button->setAccessibleName(tr("Clear the filter"));
        button->setToolTip(tr("Clear the filter"));
    }
}

void TFilterField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
