#pragma once

#include "common/userprompts.h"

class QWidget;

namespace kw {

// The questions and file dialogs of the controllers as the platform's standard dialogs.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget* owner) { m_owner = owner; }

    PromptAnswer ask(const PromptMessage& message) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;

    // "Ship File (*.shp)|*.shp|" becomes the dialog's "Ship File (*.shp)".
    static QString dialogFilter(const QString& filter);
    // A name typed without an extension gets the one of the file type chosen in the dialog
    // ("Windows Bitmap (*.bmp)" adds ".bmp"); a name with one is kept.
    static QString withChosenSuffix(const QString& path, const QString& chosenFilter);

private:
    QWidget* m_owner;
};

} // namespace kw
