#include "common/ui/editmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kw {

namespace {

void showItem(QAction* item, const QString& plainCaption, const QString& action, bool allowed)
{
    item->setText(action.isEmpty() ? plainCaption : plainCaption + QLatin1Char(' ') + action);
    item->setEnabled(allowed && !action.isEmpty());
}

} // namespace

EditMenu::EditMenu(QMenuBar* bar) : QObject(bar)
{
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    m_undo = edit->addAction(QStringLiteral("&Undo"));
    m_undo->setObjectName(QStringLiteral("mnuEditUndo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo = edit->addAction(QStringLiteral("&Redo"));
    m_redo->setObjectName(QStringLiteral("mnuEditRedo"));
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_undo, &QAction::triggered, this, &EditMenu::undoChosen);
    connect(m_redo, &QAction::triggered, this, &EditMenu::redoChosen);
    show(QString(), QString());
}

void EditMenu::show(const QString& undoAction, const QString& redoAction, bool allowed)
{
    showItem(m_undo, QStringLiteral("&Undo"), undoAction, allowed);
    showItem(m_redo, QStringLiteral("&Redo"), redoAction, allowed);
}

} // namespace kw
