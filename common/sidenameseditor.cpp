#include "common/sidenameseditor.h"

#include "model/fieldchecks.h"
#include "model/numbertext.h"
#include "storage/codepage.h"
#include "storage/programfolder.h"
#include "storage/sideslist.h"

#include <QDir>
#include <QFileInfo>

namespace kw {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The nearest folder at or above `path` that exists: the one a new folder would be made in.
QString nearestExistingFolder(QString path)
{
    while (!QFileInfo::exists(path)) {
        const QString up = QFileInfo(path).absolutePath();
        if (up == path)
            break;
        path = up;
    }
    return path;
}

// Why a folder could not change: a write-protected folder when the file system shows one.
QString likelyCause(const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QFileInfo info(nearestExistingFolder(folder));
        if (info.exists() && !info.isWritable())
            return QStringLiteral("The folder %1 is write-protected.").arg(native(info.absoluteFilePath()));
    }
    return QStringLiteral("The disk may be full or write-protected, or another program may be using the folder.");
}

} // namespace

SideNamesEditor::SideNamesEditor(UserPrompts& prompts, const QString& programFolder, QObject* parent)
    : ChangeNotifier(parent), m_prompts(prompts), m_programFolder(programFolder)
{
}

void SideNamesEditor::Load()
{
    ChangeScope scope(*this);
    QString error;
    m_listUnreadable = !readSidesFile(m_programFolder, m_names, &error);
    // A list that exists but cannot be read is left as it is on disk: writing the empty list
    // shown here over it would lose every side.
    if (m_listUnreadable)
        m_prompts.tell(QStringLiteral("The list of sides in %1 could not be read:\r\n%2\r\nIt will be left unchanged.")
                           .arg(native(sidesFile(m_programFolder)), error),
                       PromptIcon::Exclamation);
    m_text.clear();
    m_editing = false;
    m_editedSide = -1;
    m_selected = -1;
    m_addEnabled = false;
}

void SideNamesEditor::setText(const QString& text)
{
    ChangeScope scope(*this);
    m_text = text;
    if (!m_editing)
        m_addEnabled = !m_text.isEmpty();
}

void SideNamesEditor::selectSide(int index)
{
    ChangeScope scope(*this);
    m_selected = index >= 0 && index < m_names.size() ? index : -1;
}

void SideNamesEditor::clickList()
{
    ChangeScope scope(*this);
    if (m_selected < 0 && !m_names.isEmpty())
        m_selected = 0;
}

void SideNamesEditor::pressEnter()
{
    ChangeScope scope(*this);
    if (m_editing)
        update();
    else
        add();
}

// The field shows the trimmed text, and the change counts as typing.
void SideNamesEditor::showTrimmedText()
{
    m_text = trimSpaces(m_text);
    if (!m_editing)
        m_addEnabled = !m_text.isEmpty();
}

std::optional<PromptMessage> SideNamesEditor::nameRefusal(const QString& name, int ignoredIndex) const
{
    if (!isSideFolderName(name))
        return PromptMessage{invalidSideNameMessage()};
    // Checked here, not left to the file system, whose refusal would read like a full disk.
    if (isTooLongForAFolder(name)) {
        return PromptMessage{QStringLiteral("The side's name is too long: a folder name holds at most 255 characters."),
                             kAppTitle, PromptButtons::Ok, PromptIcon::Exclamation};
    }
    QByteArray encoded;
    if (!encodeCodePage(name, encoded)) {
        return PromptMessage{QStringLiteral("The side's name cannot contain the character \"%1\": the list of sides "
                                            "cannot store it.")
                                 .arg(firstUnencodable(name)),
                             kAppTitle, PromptButtons::Ok, PromptIcon::Exclamation};
    }
    // Folders of names that differ only in case are one folder on Windows.
    for (int i = 0; i < m_names.size(); ++i) {
        if (i != ignoredIndex && m_names[i].compare(name, Qt::CaseInsensitive) == 0) {
            return PromptMessage{QStringLiteral("There is already a side called %1 in the list.").arg(m_names[i]),
                                 kAppTitle, PromptButtons::Ok, PromptIcon::Exclamation};
        }
    }
    return std::nullopt;
}

void SideNamesEditor::reportFolderFailure(const QString& error, const QString& cause)
{
    m_prompts.tell(error + QStringLiteral("\r\n") + cause, PromptIcon::Exclamation);
}

bool SideNamesEditor::createFolderFor(const QString& name)
{
    // The name passed nameRefusal, so it names a folder.
    const QString path = sideFolder(m_programFolder, name).value_or(QString());
    const QFileInfo info(path);
    // A side removed earlier may have left its ships behind; taking them back is the user's call.
    if (info.isDir()) {
        const PromptAnswer answer = m_prompts.ask(
            {QStringLiteral("The folder %1 already exists.  Do you want the side %2 to use it and the ships and "
                            "files in it?")
                 .arg(native(path), name),
             kAppTitle, PromptButtons::YesNo, PromptIcon::Question});
        return answer == PromptAnswer::Yes;
    }
    QString error;
    if (createSideFolder(m_programFolder, name, &error))
        return true;
    reportFolderFailure(error, info.exists() ? QStringLiteral("A file of that name is in the way.")
                                             : likelyCause({shipsFolder(m_programFolder)}));
    return false;
}

bool SideNamesEditor::renameFolder(const QString& from, const QString& to)
{
    const std::optional<QString> oldPath = sideFolder(m_programFolder, from);
    if (!oldPath || !QFileInfo(*oldPath).isDir()) {
        reportFolderFailure(oldPath ? QStringLiteral("The folder %1 does not exist, so the side cannot be renamed.")
                                          .arg(native(*oldPath))
                                    : QStringLiteral("The side %1 has no folder, so it cannot be renamed.").arg(from),
                            QStringLiteral("Remove the side and add it again under the new name."));
        return false;
    }
    QString error;
    if (renameSideFolder(m_programFolder, from, to, &error))
        return true;
    // renameSideFolder never merges into an existing folder; its message says which one.
    const std::optional<QString> newPath = sideFolder(m_programFolder, to);
    reportFolderFailure(error, newPath && QFileInfo::exists(*newPath)
                                   ? QStringLiteral("Choose another name, or move that folder away first.")
                                   : likelyCause({shipsFolder(m_programFolder), *oldPath}));
    return false;
}

bool SideNamesEditor::deleteFolderOf(const QString& name)
{
    // A name from a hand-edited list that cannot be a folder owns nothing on disk; deleting its
    // "folder" would reach Ships itself or above.
    const std::optional<QString> path = sideFolder(m_programFolder, name);
    if (!path)
        return true;
    QString error;
    if (deleteSideFolder(m_programFolder, name, &error))
        return true;
    reportFolderFailure(error, likelyCause({*path, shipsFolder(m_programFolder)}));
    return false;
}

void SideNamesEditor::add()
{
    ChangeScope scope(*this);
    if (!addEnabled())
        return;
    showTrimmedText();
    if (const std::optional<PromptMessage> refusal = nameRefusal(m_text, -1)) {
        m_prompts.ask(*refusal);
        return;
    }
    // The folder first: a side that cannot have its folder is not added.
    if (!createFolderFor(m_text))
        return;
    m_names.append(m_text);
    m_addEnabled = false;
}

void SideNamesEditor::edit()
{
    ChangeScope scope(*this);
    if (!editEnabled())
        return;
    m_text = m_names[m_selected];
    m_editedSide = m_selected;
    m_editing = true;
    // Add stays off after the rename until something new is typed.
    m_addEnabled = false;
}

void SideNamesEditor::update()
{
    ChangeScope scope(*this);
    if (!m_editing)
        return;
    showTrimmedText();
    const QString oldName = m_names[m_editedSide];
    // Checked first so that typing the old name back always ends an edit, whatever the entry holds.
    if (m_text != oldName) {
        if (const std::optional<PromptMessage> refusal = nameRefusal(m_text, m_editedSide)) {
            m_prompts.ask(*refusal);
            return;
        }
        if (!renameFolder(oldName, m_text))
            return;
        m_names[m_editedSide] = m_text;
    }
    m_editing = false;
}

void SideNamesEditor::remove()
{
    ChangeScope scope(*this);
    if (!removeEnabled())
        return;
    const QString name = m_names[m_selected];
    if (m_prompts.ask({QStringLiteral("Are you sure you want to remove the side: ") + name + QStringLiteral("?"),
                       kAppTitle, PromptButtons::YesNo, PromptIcon::Question})
        != PromptAnswer::Yes)
        return;
    const PromptAnswer deleteFolder =
        m_prompts.ask({QStringLiteral("Do want to delete all ships and files in the folder associated") +
                           QStringLiteral("with the ") + name + QStringLiteral("?"),
                       kAppTitle, PromptButtons::YesNo, PromptIcon::Question});
    // A folder that could not be deleted keeps its entry, so the side still leads to it.
    if (deleteFolder == PromptAnswer::Yes && !deleteFolderOf(name))
        return;
    m_names.removeAt(m_selected);
    m_selected = -1;
}

bool SideNamesEditor::done()
{
    ChangeScope scope(*this);
    if (m_listUnreadable)
        return true;
    QString error;
    if (writeSides(m_programFolder, m_names, &error))
        return true;
    m_prompts.tell(QStringLiteral("The list of sides could not be saved in %1.\r\n%2")
                       .arg(native(sidesFile(m_programFolder)), error),
                   PromptIcon::Exclamation);
    return false;
}

} // namespace kw
