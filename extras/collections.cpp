#include "extras/collection.h"

#include "catalogue/supplied.h"

namespace extras {

namespace {

using Kind = platform::TextBox::Kind;

const QString kParlourDatabase = QStringLiteral("C:\\WINDOWS\\SYSTEM\\Zestrel.mdb");
const QString kGamePrefix = QStringLiteral("Game # ");
constexpr int kLabelHeight = 255;
constexpr int kNameLimit = 50;

const Appearance kGameLook{{QStringLiteral("Arial"), 9.75, true}, QColor(0, 0, 255), std::nullopt};
const Appearance kParlourLook{{}, QColor(255, 0, 0), QPoint(1095, 330)};

// The name and instructions of a game window, the rows starting at these tops.
std::vector<BoundField> gameFields(int nameTop, int instructionsTop, int instructionsHeight)
{
    return {
        {0, QStringLiteral("name"), QStringLiteral("Name:"), {120, nameTop, 1095, kLabelHeight}, Kind::SingleLine,
         kNameLimit, {1320, nameTop, 3375, 315}},
        {3, QStringLiteral("instructions"), QStringLiteral("Instructions:"),
         {120, instructionsTop, 1200, kLabelHeight}, Kind::MultiLine, 0,
         {1320, instructionsTop, 7935, instructionsHeight}},
    };
}

CollectionDefinition game(const char* formName, const char* caption, const char* table, int buttonTop,
                          int buttonLeft, QSize closeButton, std::vector<BoundField> fields)
{
    return {QString::fromLatin1(formName), QString::fromLatin1(caption), catalogue::kDatabasePath, QString::fromLatin1(table),
            kGamePrefix, false, true, QSize(9480, 6795), buttonTop, buttonLeft, closeButton, std::move(fields),
            &kGameLook, std::nullopt, false};
}

std::vector<CollectionDefinition> define()
{
    const auto lowerFields = [] { return gameFields(120, 600, 5355); };
    std::vector<CollectionDefinition> all;

    all.push_back({QStringLiteral("frmJoke"), QStringLiteral("Bar Jokes"), kParlourDatabase,
                   QStringLiteral("select * from [joke]"), QStringLiteral("Joke #: "), true, false, QSize(10380, 7440),
                   6240, 120, QSize(735, 300),
                   {{0, QStringLiteral("ID"), QStringLiteral("Joke #"), {360, 360, 615, kLabelHeight}, Kind::SingleLine,
                     0, {1200, 360, 855, 285}},
                    {1, QStringLiteral("joke"), QString(), {}, Kind::MultiLine, 0, {240, 720, 9015, 5115}}},
                   &kParlourLook,
                   Heading{QStringLiteral("Label1"), QStringLiteral("So, this guy walks into a bar..."),
                           {3240, 120, 4935, 495}, {QStringLiteral("MS Sans Serif"), 18, false}, QColor(255, 255, 0)},
                   false});
    all.push_back({QStringLiteral("frmToasting"), QStringLiteral("Toasting"), kParlourDatabase,
                   QStringLiteral("select * from [Toasting]"), QStringLiteral("Catagory #: "), true, false,
                   QSize(9915, 7410), 6240, 120, QSize(735, 300),
                   {{0, QStringLiteral("Cat"), QStringLiteral("Catagory:"), {120, 60, 1815, kLabelHeight},
                     Kind::SingleLine, kNameLimit, {840, 60, 3375, 285}},
                    {1, QStringLiteral("Toasts"), QStringLiteral("Toasts:"), {120, 480, 615, kLabelHeight},
                     Kind::MultiLine, 0, {840, 480, 7935, 5055}}},
                   &kParlourLook, std::nullopt, false});

    all.push_back(game("frmCards", "Drinking Games Using Cards", "cardgames", 6000, 0, QSize(735, 300),
                       gameFields(240, 720, 5115)));
    all.push_back(game("frmDice", "Drinking Games Using Dice", "dicegames", 6120, 0, QSize(735, 300), lowerFields()));
    all.push_back(game("frmMoney", "Games Using Coins", "coingames", 6120, 0, QSize(735, 312), lowerFields()));
    all.push_back(game("frmMedia", "Drinking Games Using TV Shows And Movies", "mediagames", 6120, 120,
                       QSize(615, 312), lowerFields()));
    all.back().categoryPictures = true;
    all.push_back(game("frmSpeech", "Drinking Games Using Speech", "vocalgames", 6120, 0, QSize(735, 312),
                       lowerFields()));
    all.push_back(game("frmBgames", "Drinking Games Using Board Games", "boardgames", 6120, 0, QSize(735, 300),
                       lowerFields()));
    return all;
}

} // namespace

const std::vector<CollectionDefinition>& collections()
{
    static const std::vector<CollectionDefinition> all = define();
    return all;
}

const CollectionDefinition* findCollection(const QString& formName)
{
    for (const CollectionDefinition& d : collections())
        if (d.formName == formName)
            return &d;
    return nullptr;
}

} // namespace extras
