#pragma once
// The help viewer's window: the contents tree and the keyword search side by side with the
// topic page. It serves the requests of the help engine (see platform/helpchannel.h).
#include "tools/helpviewer/helpfile.h"

#include <QJsonObject>
#include <QMainWindow>
#include <memory>

class QLineEdit;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace helpviewer {

class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    HelpViewer();
    ~HelpViewer() override;

    // Carries out one request and returns at once; a message it has to show (a help file that
    // cannot be opened) appears afterwards. With no help file open once that message is
    // dismissed, the viewer ends.
    void handle(const QJsonObject& request);
    // What the viewer shows, as the channel reports it.
    QJsonObject state() const;

    // Opens the file unless it is the one open; false, with the message under way, if it cannot.
    bool openFile(const QString& path);
    void showContents();
    // The search page with the keyword typed in and the best matching keyword selected; a
    // keyword that is given whole opens its topic.
    void showKeywordSearch(const QString& keyword);
    void showTopic(const QString& name);
    // The topic on show, "" for none.
    QString currentTopic() const;

private:
    void fillContents();
    void fillKeywords();
    void filterKeywords(const QString& typed);
    void openItem(QTreeWidgetItem* item);
    void topicShown(const QUrl& url);
    void showMessage(const QString& text);

    std::unique_ptr<HelpFile> file_;
    QString message_;
    QTabWidget* tabs_;
    QTreeWidget* contents_;
    QLineEdit* keyword_;
    QTreeWidget* keywords_;
    QTextBrowser* page_;
};

} // namespace helpviewer
