#pragma once
// The default printer: a document with a font, lines of text and an end that sends the job; and
// text measurement in a control's font.
#include <QString>
#include <memory>

class QWidget;

namespace platform::printer {

// Makes the default printer a PDF file at `path` for this process (tools and tests); an empty
// path means the system's default printer (CUPS) again.
void setDefaultToFile(const QString& path);

// One print job on the default printer. The pages are drawn into a temporary PDF file and sent
// only by endDoc(), so a failure on the way leaves nothing behind: no job and no file. Failures
// (no default printer, a target that cannot be written, a job the print system refuses) throw
// platform::Failure with a description for the user.
class Document {
public:
    // Starts the document on the default printer; throws when there is none or it cannot open.
    Document();
    // Starts the document as a PDF file at `pdfFile` instead (an empty path: as Document());
    // the file takes its place at endDoc(), whole.
    explicit Document(const QString& pdfFile);
    // A document not ended is dropped without a job.
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Applies to the lines printed after it. An empty face means the printer's default face.
    void setFont(const QString& face, double points, bool bold);
    // Prints the text at the left margin and ends its line, advancing by the font's line
    // height; each line break in the text ends a line too. A line that would run past the
    // bottom of the page starts a new page.
    void print(const QString& text);
    // Ends the document and sends the job (or writes the file). Once only.
    void endDoc();

private:
    struct Job;
    std::unique_ptr<Job> job_;
};

// The width in twips of `text` in the control's font; for a text with line breaks, the width of
// its widest line.
double textWidth(const QWidget& control, const QString& text);

} // namespace platform::printer
