#include "extras/collections.h"

#include "catalogue/schema.h"

namespace extras {

namespace {

using Kind = platform::TextBox::Kind;

const QString kParlourDatabase = QStringLiteral("C:\\WINDOWS\\SYSTEM\\Zestrel.mdb");
const QString kGamePrefix = QStringLiteral("Game # ");
constexpr int kLabelHeight = 255;
constexpr int kNameLimit = catalogue::kTextLimit;

const Appearance kGameLook{{QStringLiteral("Arial"), 9.75, true}, QColor(0, 0, 255), std::nullopt};
const Appearance kParlourLook{{}, QColor(255, 0, 0), QPoint(1095, 330)};

// The name and instructions of a game window, the rows starting at these tops.
std::vector<BoundField> gameFields(int nameTop, int instructionsTop, int instructionsHeight)
{
    return {
        {.index = 0, .column = QStringLiteral("name"), .label = QStringLiteral("Name:"),
         .labelBox = {120, nameTop, 1095, kLabelHeight}, .kind = Kind::SingleLine, .maxLength = kNameLimit,
         .box = {1320, nameTop, 3375, 315}},
        {.index = 3, .column = QStringLiteral("instructions"), .label = QStringLiteral("Instructions:"),
         .labelBox = {120, instructionsTop, 1200, kLabelHeight}, .kind = Kind::MultiLine, .maxLength = 0,
         .box = {1320, instructionsTop, 7935, instructionsHeight}},
    };
}

std::vector<BoundField> lowerGameFields() { return gameFields(120, 600, 5355); }

// Where the six game windows differ from one another.
struct GameWindow {
    const char* formName;
    const char* caption;
    const char* table;
    int buttonTop, buttonLeft;
    QSize closeButton;
    std::vector<BoundField> fields;
    bool categoryPictures = false;
};

CollectionDefinition game(GameWindow g)
{
    return {.formName = QString::fromLatin1(g.formName),
            .caption = QString::fromLatin1(g.caption),
            .databaseName = catalogue::kDatabasePath,
            .recordSource = QString::fromLatin1(g.table),
            .prefix = kGamePrefix,
            .busyCursor = false,
            .deleteStepBack = true,
            .client = QSize(9480, 6795),
            .buttonTop = g.buttonTop,
            .buttonLeft = g.buttonLeft,
            .closeButton = g.closeButton,
            .fields = std::move(g.fields),
            .appearance = &kGameLook,
            .heading = std::nullopt,
            .categoryPictures = g.categoryPictures};
}

std::vector<CollectionDefinition> define()
{
    std::vector<CollectionDefinition> all;
    all.push_back({.formName = QStringLiteral("frmJoke"),
                   .caption = QStringLiteral("Bar Jokes"),
                   .databaseName = kParlourDatabase,
                   .recordSource = QStringLiteral("select * from [joke]"),
                   .prefix = QStringLiteral("Joke #: "),
                   .busyCursor = true,
                   .deleteStepBack = false,
                   .client = QSize(10380, 7440),
                   .buttonTop = 6240,
                   .buttonLeft = 120,
                   .closeButton = QSize(735, 300),
                   .fields = {{.index = 0, .column = QStringLiteral("ID"), .label = QStringLiteral("Joke #"),
                               .labelBox = {360, 360, 615, kLabelHeight}, .kind = Kind::WholeNumber, .maxLength = 0,
                               .box = {1200, 360, 855, 285}},
                              {.index = 1, .column = QStringLiteral("joke"), .label = QString(), .labelBox = {},
                               .kind = Kind::MultiLine, .maxLength = 0, .box = {240, 720, 9015, 5115}}},
                   .appearance = &kParlourLook,
                   .heading = Heading{.name = QStringLiteral("Label1"),
                                      .text = QStringLiteral("So, this guy walks into a bar..."),
                                      .box = {3240, 120, 4935, 495},
                                      .font = {QStringLiteral("MS Sans Serif"), 18, false},
                                      .color = QColor(255, 255, 0)},
                   .categoryPictures = false});
    all.push_back({.formName = QStringLiteral("frmToasting"),
                   .caption = QStringLiteral("Toasting"),
                   .databaseName = kParlourDatabase,
                   .recordSource = QStringLiteral("select * from [Toasting]"),
                   .prefix = QStringLiteral("Catagory #: "),
                   .busyCursor = true,
                   .deleteStepBack = false,
                   .client = QSize(9915, 7410),
                   .buttonTop = 6240,
                   .buttonLeft = 120,
                   .closeButton = QSize(735, 300),
                   .fields = {{.index = 0, .column = QStringLiteral("Cat"), .label = QStringLiteral("Catagory:"),
                               .labelBox = {120, 60, 1815, kLabelHeight}, .kind = Kind::SingleLine,
                               .maxLength = kNameLimit, .box = {840, 60, 3375, 285}},
                              {.index = 1, .column = QStringLiteral("Toasts"), .label = QStringLiteral("Toasts:"),
                               .labelBox = {120, 480, 615, kLabelHeight}, .kind = Kind::MultiLine, .maxLength = 0,
                               .box = {840, 480, 7935, 5055}}},
                   .appearance = &kParlourLook,
                   .heading = std::nullopt,
                   .categoryPictures = false});
    all.push_back(game({"frmCards", "Drinking Games Using Cards", "cardgames", 6000, 0, QSize(735, 300),
                        gameFields(240, 720, 5115)}));
    all.push_back(game({"frmDice", "Drinking Games Using Dice", "dicegames", 6120, 0, QSize(735, 300), lowerGameFields()}));
    all.push_back(game({"frmMoney", "Games Using Coins", "coingames", 6120, 0, QSize(735, 312), lowerGameFields()}));
    all.push_back(game({"frmMedia", "Drinking Games Using TV Shows And Movies", "mediagames", 6120, 120, QSize(615, 312),
                        lowerGameFields(), true}));
    all.push_back(game({"frmSpeech", "Drinking Games Using Speech", "vocalgames", 6120, 0, QSize(735, 312),
                        lowerGameFields()}));
    all.push_back(game({"frmBgames", "Drinking Games Using Board Games", "boardgames", 6120, 0, QSize(735, 300),
                        lowerGameFields()}));
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
