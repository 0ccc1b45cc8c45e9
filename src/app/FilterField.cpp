#include "FilterField.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

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

QWidget* TFilterField::Above(QWidget* list) {
    auto* both = new QWidget;
    auto* layout = new QVBoxLayout(both);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(this);
    layout->addWidget(list, 1);
    return both;
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
