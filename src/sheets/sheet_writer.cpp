// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/sheet_writer.h"

#include "sheets/sheet_layout.h"
#include "toolkit/platform.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>
#include <memory>
#include <optional>

namespace sheets {

namespace {

QString documentTitle(const QList<Sheet>& sheets, KeyPages keys)
{
    const Sheet& first = sheets.constFirst();
    QString title = keys == KeyPages::Alone
                        ? answerKeyTitle()
                        : instructionText(first.options.activity, first.options.mark);
    const core::NumberWriting& writing = first.options.writing;
    title += QStringLiteral(u" - ") + sheetNumberText(first.options.sheetNumber, writing);
    if (sheets.size() > 1) {
        title += QStringLiteral(u" الى ") +
                 writing.writeWhole(static_cast<long long>(sheets.constLast().options.sheetNumber));
    }
    return title;
}

// The whole PDF, or nothing when it cannot be drawn.
std::optional<QByteArray> drawPdf(const QList<Sheet>& sheets, KeyPages keys)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("placevalue-sheets " PLACEVALUE_VERSION));
        writer.setTitle(documentTitle(sheets, keys));
        if (!paintSheets(sheets, keys, writer)) {
            return std::nullopt;
        }
    } // the writer finishes the document when it goes
    return pdf;
}

// A file to be written: standard output, or a file renamed into place once complete.
class Output {
public:
    explicit Output(const QString& path)
        : path_(path)
    {}

    bool isStandardOutput() const { return path_ == kStandardOutput; }

    QString open()
    {
        if (isStandardOutput()) {
            return {};
        }
        file_ = std::make_unique<QSaveFile>(path_);
        return file_->open(QIODevice::WriteOnly) ? QString() : failure(file_->errorString());
    }

    QString write(const QByteArray& pdf)
    {
        if (isStandardOutput()) {
            tk::platform::makeStandardOutputBinary();
            const bool written =
                std::fwrite(pdf.constData(), 1, static_cast<std::size_t>(pdf.size()), stdout) ==
                    static_cast<std::size_t>(pdf.size()) &&
                std::fflush(stdout) == 0;
            return written ? QString() : QStringLiteral("cannot write the PDF to standard output");
        }
        if (file_->write(pdf) != pdf.size() || !file_->commit()) {
            return failure(file_->errorString());
        }
        return {};
    }

private:
    QString failure(const QString& why) const
    {
        return QStringLiteral("cannot write '%1': %2").arg(path_, why);
    }

    QString path_;
    std::unique_ptr<QSaveFile> file_;
};

} // namespace

QString writeSheetsPdf(const QList<Sheet>& sheets, const QString& path, const QString& keyPath)
{
    if (sheets.isEmpty()) {
        return QStringLiteral("no sheet to write");
    }
    const bool keys = wantsAnswerKey(sheets.constFirst().options);
    const bool ownKeyFile = keys && !keyPath.isEmpty();
    Output sheetsFile(path);
    Output keyFile(keyPath);
    QString error = sheetsFile.open();
    if (error.isEmpty() && ownKeyFile) {
        error = keyFile.open();
    }
    if (!error.isEmpty()) {
        return error;
    }
    const auto sheetsPdf =
        drawPdf(sheets, keys && !ownKeyFile ? KeyPages::AfterSheets : KeyPages::None);
    const auto keyPdf = ownKeyFile ? drawPdf(sheets, KeyPages::Alone) : std::optional<QByteArray>();
    if (!sheetsPdf || (ownKeyFile && !keyPdf)) {
        return QStringLiteral("cannot draw the sheets for '%1'").arg(path);
    }
    if (ownKeyFile) {
        error = keyFile.write(*keyPdf);
    }
    return error.isEmpty() ? sheetsFile.write(*sheetsPdf) : error;
}

} // namespace sheets
