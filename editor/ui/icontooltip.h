#pragma once

#include <QString>

class QHelpEvent;
class QWidget;

namespace kw {

// Shows what the icon under the pointer is, or hides the tooltip when no icon is there.
void showIconToolTip(QWidget* view, const QHelpEvent* event, const QString& description);

} // namespace kw
