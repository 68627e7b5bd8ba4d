#include "dialogprompts.h"

#include "gui/dialogs/tfmsave_pr.h"
#include "qtbridge.h"

#include <QFileDialog>
#include <QMessageBox>

namespace zor::gui {
namespace {

std::optional<std::filesystem::path> chosenFile(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dialog.selectedFiles().first());
}

} // namespace

DialogPrompts::DialogPrompts(QWidget *parent)
    : m_parent(parent)
{}

std::optional<std::filesystem::path>
DialogPrompts::projectToOpen(const std::filesystem::path &folder)
{
    QFileDialog dialog(m_parent, QString(), toQString(folder), "Файл проекта (*.zor)");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

std::optional<std::filesystem::path>
DialogPrompts::projectToSave(const std::filesystem::path &folder)
{
    QFileDialog dialog(m_parent, QString(), toQString(folder), "файл проекта (*.zor)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("zor");
    return chosenFile(dialog);
}

bool DialogPrompts::saveBeforeClosing()
{
    return TfmSave_pr(m_parent).exec() == QDialog::Accepted;
}

void DialogPrompts::showError(const QString &message)
{
    QMessageBox::critical(m_parent, "ZORS", message);
}

} // namespace zor::gui
