#include "ui/input/job_data_editor.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <array>

#include "logic/pair_document.h"
#include "ui/common/program_window.h"

namespace korvanta {

namespace {

struct LineField {
    const char* caption;
    const char* name;
    std::string JobData::*text;
};

constexpr std::array<LineField, 5> kLineFields = {{
    {"&Pinion part:", "JobPinionPart", &JobData::pinionPart},
    {"&Gear part:", "JobGearPart", &JobData::gearPart},
    {"&Drawing:", "JobDrawing", &JobData::drawing},
    {"&Revision:", "JobRevision", &JobData::revision},
    {"&Inspector:", "JobInspector", &JobData::inspector},
}};

std::string Cleaned(const QString& text, bool multiline) {
    return CleanJobText(text.toStdString(), multiline);
}

} // namespace

std::optional<JobData> JobDataDialog::Edit(const JobData& job) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QDialog> dialog = new QDialog(over);
    dialog->setWindowTitle(QStringLiteral("Job Data"));
    dialog->setObjectName(QStringLiteral("JobDataDialog"));
    auto* layout = new QFormLayout(dialog);
    std::array<QLineEdit*, kLineFields.size()> lines{};
    for (std::size_t i = 0; i < kLineFields.size(); ++i) {
        lines[i] = new QLineEdit(QString::fromStdString(job.*kLineFields[i].text), dialog);
        lines[i]->setObjectName(QString::fromLatin1(kLineFields[i].name));
        lines[i]->setMaxLength(static_cast<int>(kJobTextLimit));
        layout->addRow(QString::fromLatin1(kLineFields[i].caption), lines[i]);
    }
    auto* note = new QPlainTextEdit(QString::fromStdString(job.note), dialog);
    note->setObjectName(QStringLiteral("JobNote"));
    note->setTabChangesFocus(true);
    layout->addRow(QStringLiteral("&Note:"), note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addRow(buttons);
    dialog->setWindowModality(Qt::ApplicationModal);

    std::optional<JobData> edited;
    if (dialog->exec() == QDialog::Accepted && !dialog.isNull()) {
        JobData result;
        for (std::size_t i = 0; i < kLineFields.size(); ++i) {
            result.*kLineFields[i].text = Cleaned(lines[i]->text(), false);
        }
        result.note = Cleaned(note->toPlainText(), true);
        edited = std::move(result);
    }
    delete dialog.data();
    return edited;
}

} // namespace korvanta
