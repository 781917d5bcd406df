#include "common/ui/qtuserprompts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

namespace kw {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::None: return QMessageBox::NoIcon;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer QtUserPrompts::ask(const PromptMessage& message)
{
    QMessageBox box(boxIcon(message.icon), message.title, QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, m_owner);
    // The first button is the default, as in the platform's own message boxes.
    switch (message.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    if (message.defaultAnswer) {
        switch (*message.defaultAnswer) {
        case PromptAnswer::Ok: box.setDefaultButton(QMessageBox::Ok); break;
        case PromptAnswer::Cancel: box.setDefaultButton(QMessageBox::Cancel); break;
        case PromptAnswer::Yes: box.setDefaultButton(QMessageBox::Yes); break;
        case PromptAnswer::No: box.setDefaultButton(QMessageBox::No); break;
        }
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    default:
        // Closing a box with Escape or its close button answers its way out.
        if (message.buttons == PromptButtons::Ok)
            return PromptAnswer::Ok;
        return message.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
    }
}

QString QtUserPrompts::dialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!parts[i].isEmpty())
            filters << parts[i];
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtUserPrompts::withChosenSuffix(const QString& path, const QString& chosenFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(chosenFilter);
    if (path.isEmpty() || !match.hasMatch() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + match.captured(1);
}

std::optional<QString> QtUserPrompts::openFileName(const FileDialogRequest& request)
{
    const QString path = QFileDialog::getOpenFileName(m_owner, request.title, request.startFolder, dialogFilter(request.filter));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> QtUserPrompts::saveFileName(const FileDialogRequest& request)
{
    QString start = request.startFolder;
    if (!request.proposedName.isEmpty())
        start = QDir(request.startFolder).filePath(request.proposedName);
    // The controllers ask about an existing file themselves, with their own words.
    QString chosenFilter;
    const QString path = withChosenSuffix(QFileDialog::getSaveFileName(m_owner, request.title, start, dialogFilter(request.filter),
                                                                       &chosenFilter, QFileDialog::DontConfirmOverwrite),
                                          chosenFilter);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace kw
