#pragma once

#include <QStringList>

class QComboBox;
class QListWidget;

namespace kw {

// Shows a controller's list and its chosen entry (-1: none) without reporting it back as a user's
// choice; the entries are refilled only when they differ, so the list keeps its scroll place.
void showEntries(QComboBox* box, const QStringList& entries, int chosen);
void showEntries(QListWidget* list, const QStringList& entries, int chosen);

} // namespace kw
