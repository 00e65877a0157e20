#pragma once
// A help file: topics (HTML pages, each with a title and keywords), a contents tree and the
// pictures the topics show, packed into one file (a Qt binary resource, sealed with its checksum:
// seal.h) that is checked whole, then mapped in from memory while the HelpFile lives. Inside it:
//   contents.txt      "title: <the help's title>", then one line per contents entry,
//                     "<text> = <topic file>" or "<text>" for a heading; two more spaces of
//                     indent put an entry under the one above; "#" starts a comment line
//   topics/*.html     <title>...</title> and <meta name="keywords" content="one; two">
//   anything else     pictures and the style sheet the topics refer to
#include <QString>
#include <QStringList>
#include <QUrl>
#include <map>
#include <stdexcept>
#include <vector>

namespace helpviewer {

// Why a help file cannot be opened, in words for the user.
struct HelpFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Topic {
    QString name;   // its file's name under topics/, "moving.html"
    QString title;
    QStringList keywords;
};

struct ContentsEntry {
    QString text;
    QString topic;   // empty for a heading
    std::vector<ContentsEntry> children;
};

struct Keyword {
    QString text;
    QStringList topics;   // topic names, in name order
};

class HelpFile {
public:
    // Throws HelpFileError: no such file, unreadable, not a help file, or contents that name a
    // topic the file does not hold.
    explicit HelpFile(const QString& path);
    ~HelpFile();
    HelpFile(const HelpFile&) = delete;
    HelpFile& operator=(const HelpFile&) = delete;

    QString path() const { return path_; }
    QString title() const { return title_; }
    const std::vector<ContentsEntry>& contents() const { return contents_; }
    const std::map<QString, Topic>& topics() const { return topics_; }
    // Every keyword once, ordered ignoring case.
    const std::vector<Keyword>& keywords() const { return keywords_; }
    // The topic the contents open on: the first entry that has one.
    QString firstTopic() const;

    // The address of a topic for a text browser, and back (empty for an address elsewhere).
    QUrl topicUrl(const QString& name) const;
    QString topicName(const QUrl& url) const;

private:
    void readTopics();
    void readContents();

    QString path_;
    QByteArray resource_; // the packed topics, mapped in under root_
    QString root_;        // where the file is mapped in the resource tree
    QString title_;
    std::vector<ContentsEntry> contents_;
    std::map<QString, Topic> topics_;
    std::vector<Keyword> keywords_;
};

} // namespace helpviewer
