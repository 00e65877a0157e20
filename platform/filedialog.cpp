#include "platform/filedialog.h"

#include <QFileDialog>

namespace platform::filedialog {

namespace {

std::optional<QString>& testAnswer()
{
    static std::optional<QString> answer;
    return answer;
}

QString choose(QWidget* parent, const QString& title, const QString& filters, QFileDialog::AcceptMode mode)
{
    if (testAnswer())
        return *testAnswer();
    QFileDialog dialog(parent, title, QString(), filters);
    dialog.setObjectName(QStringLiteral("filedialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave) {
        // The extension of the first filter's pattern, until another filter is chosen.
        const auto suffixOf = [](const QString& filter) {
            const qsizetype dot = filter.indexOf(QLatin1String("*."));
            return dot < 0 ? QString()
                           : filter.mid(dot + 2).section(QLatin1Char(')'), 0, 0).section(QLatin1Char(' '), 0, 0);
        };
        dialog.setDefaultSuffix(suffixOf(filters.section(QStringLiteral(";;"), 0, 0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString open(QWidget* parent, const QString& title, const QString& filters)
{
    return choose(parent, title, filters, QFileDialog::AcceptOpen);
}

QString save(QWidget* parent, const QString& title, const QString& filters)
{
    return choose(parent, title, filters, QFileDialog::AcceptSave);
}

void setTestAnswer(std::optional<QString> answer) { testAnswer() = std::move(answer); }

} // namespace platform::filedialog
