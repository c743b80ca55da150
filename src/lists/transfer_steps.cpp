#include "lists/transfer_steps.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "lists/list_chrome.h"
#include "lists/list_rows.h"
#include "ui/clock.h"
#include "ui/messages.h"
#include "ui/qt_text.h"
#include "ui/screen.h"
#include "ui/text_guard.h"

namespace tandarel {
namespace {

constexpr int kGridLeft = 100;
constexpr int kGridTop = 65;
constexpr int kPairingColumn = 250;
constexpr int kNameFrameLeft = kGridLeft + 2 * kPairingColumn + 60;
constexpr int kWeekListWidth = 320;
constexpr int kNameFrameTitleBand = 20;
constexpr int kOptionsLeft = kGridLeft + kWeekListWidth + 40;

QLabel* makeLabel(QWidget& parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, &parent);
    label->move(left, top);
    label->resize(label->sizeHint().width(), 17);
    label->hide();
    return label;
}

QPushButton* makeButton(QWidget& parent, const QString& caption, int width) {
    auto* button = new QPushButton(caption, &parent);
    button->resize(width, 25);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

}  // namespace

TransferSteps::TransferSteps(ui::AppContext& context, QWidget& window)
    : QObject(&window), context_(context), session_(context.dataFolder) {
    pairingHint_ = makeHint(window,
                            QStringLiteral("Si un appariement ne convient, cliquez dans la cellule de la colonne gauche "
                                           "correspondante et choisissez  un autre nom dans le cadre qui apparaît..."),
                            0x00FFFF, 10, 8);
    pairingHint_->hide();

    pairingGrid_ = new QTableWidget(0, 2, &window);
    pairingGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("L'emploi du temps de :"), QStringLiteral("était auparavant assuré par :")});
    pairingGrid_->verticalHeader()->hide();
    pairingGrid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pairingGrid_->verticalHeader()->setDefaultSectionSize(25);
    pairingGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    pairingGrid_->horizontalHeader()->setFixedHeight(25);
    pairingGrid_->horizontalHeader()->setSectionsClickable(false);
    pairingGrid_->setColumnWidth(0, kPairingColumn);
    pairingGrid_->setColumnWidth(1, kPairingColumn);
    pairingGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pairingGrid_->setItemDelegate(new ui::ShownTextDelegate(pairingGrid_));
    pairingGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    pairingGrid_->move(kGridLeft, kGridTop);
    pairingGrid_->hide();
    connect(pairingGrid_, &QTableWidget::cellClicked, this, &TransferSteps::onPairingCellClicked);

    remark_ = makeLabel(window,
                        QStringLiteral("Remarque : une cellule vide dans la colonne de gauche supprime l'emploi du "
                                       "temps du remplaçant en regard dans la colonne de droite !!! "),
                        kGridLeft, 0);
    newListDone_ = makeButton(window, QStringLiteral("Nouvelle liste terminée"), 170);
    connect(newListDone_, &QPushButton::clicked, this,
            [this] { apply(session_.confirmPairing(context_.clock.today())); });

    nameFrame_ = new QGroupBox(QStringLiteral("Choix d'un autre nom pour appariement..."), &window);
    nameFrame_->move(kNameFrameLeft, kGridTop);
    auto* frameLayout = new QVBoxLayout(nameFrame_);
    frameLayout->setContentsMargins(4, 0, 4, 2);
    auto* scroll = new QScrollArea(nameFrame_);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* names = new QWidget(scroll);
    nameLayout_ = new QVBoxLayout(names);
    nameLayout_->setContentsMargins(0, 0, 0, 0);
    nameLayout_->setSpacing(0);
    nameLayout_->addStretch();
    scroll->setWidget(names);
    frameLayout->addWidget(scroll);
    nameGroup_ = new QButtonGroup(this);
    connect(nameGroup_, &QButtonGroup::idClicked, this, &TransferSteps::onNameChosen);
    nameFrame_->hide();

    weekListLabel_ = makeLabel(window, QStringLiteral("Liste des semaines sélectionnables"), kGridLeft, kGridTop - 20);
    weekList_ = new QListWidget(&window);
    weekList_->move(kGridLeft, kGridTop);
    weekList_->setUniformItemSizes(true);
    weekList_->hide();
    // Ticks by hand and by option alike reach the session, which the rewrite reads.
    connect(weekList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        session_.setTicked(static_cast<std::size_t>(weekList_->row(item)), item->checkState() == Qt::Checked);
    });

    optionsLabel_ = makeLabel(window, QStringLiteral("Choisissez l'une des trois options ci-dessous "), kOptionsLeft,
                              kGridTop - 20);
    options_ = new QGroupBox(QStringLiteral("Quelle(s) semaine(s) modifier ?"), &window);
    options_->setGeometry(kOptionsLeft, kGridTop, 260, 65);
    optionGroup_ = new QButtonGroup(this);
    const std::array<QString, 3> captions = {QStringLiteral("Toutes les semaines"),
                                             QStringLiteral("Cette semaine et les suivantes"),
                                             QStringLiteral("Aucune semaine")};
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(captions[static_cast<std::size_t>(i)], options_);
        button->setGeometry(10, 16 + 15 * i, 240, 16);
        optionGroup_->addButton(button, i);
        optionButtons_[static_cast<std::size_t>(i)] = button;
    }
    connect(optionGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        session_.chooseOption(static_cast<WeekOption>(id));
        showTicks();
    });
    options_->hide();
    finDeChoix_ = makeButton(window, QStringLiteral("Fin de choix"), 100);
    finDeChoix_->move(kOptionsLeft, kGridTop + 65 + 15);
    connect(finDeChoix_, &QPushButton::clicked, this, [this] { apply(session_.endWeekChoice()); });
}

void TransferSteps::start() { apply(session_.start()); }

void TransferSteps::reset() {
    session_.reset();
    apply({});
}

void TransferSteps::finish() { apply(session_.finish()); }

void TransferSteps::apply(const TransferMessages& said) {
    using Stage = TransferSession::Stage;
    const Stage stage = session_.stage();
    if (stage == Stage::Idle || stage == Stage::Finished)
        clear();
    else if (stage != shown_)
        stage == Stage::Pairing ? showPairing() : showWeeks();
    shown_ = stage;
    for (const auto& message : said) {
        if (message.kind == TransferMessage::Kind::Error)
            context_.messages.error(ui::toQ(message.text));
        else
            context_.messages.inform(ui::toQ(message.text));
    }
    if (stage == Stage::Finished) emit finished();
}

void TransferSteps::clear() {
    pairingGrid_->setRowCount(0);
    clearNameChoices();
    weekList_->clear();
    clearOptions();
    showPairingControls(false);
    showWeekControls(false);
}

void TransferSteps::showPairingControls(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(pairingHint_), static_cast<QWidget*>(pairingGrid_),
                       static_cast<QWidget*>(remark_), static_cast<QWidget*>(newListDone_)})
        w->setVisible(visible);
    if (!visible) nameFrame_->hide();
}

void TransferSteps::showWeekControls(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(weekListLabel_), static_cast<QWidget*>(weekList_),
                       static_cast<QWidget*>(optionsLabel_), static_cast<QWidget*>(options_),
                       static_cast<QWidget*>(finDeChoix_)})
        w->setVisible(visible);
}

void TransferSteps::showPairing() {
    const auto& pairing = session_.pairing();
    const int screenHeight = ui::screenSize().height();
    pairingGrid_->setRowCount(static_cast<int>(pairing.size()));
    for (int row = 0; row < pairingGrid_->rowCount(); ++row) {
        const auto& pair = pairing[static_cast<std::size_t>(row)];
        pairingGrid_->setItem(row, 0, new QTableWidgetItem(ui::toQ(pair.newName)));
        auto* old = new QTableWidgetItem(ui::toQ(pair.oldName));
        old->setFlags(Qt::ItemIsEnabled);
        pairingGrid_->setItem(row, 1, old);
    }
    // However long the list, the remark and "Nouvelle liste terminée" stay inside the window, under the grid.
    const int room = pairingGrid_->parentWidget()->height() - kGridTop - 35 - newListDone_->height() - 10;
    const int gridHeight =
        std::min(cappedHeight(25 * (pairingGrid_->rowCount() + 1) + 25, screenHeight), std::max(room, 50));
    pairingGrid_->resize(2 * kPairingColumn + 30, gridHeight);
    remark_->move(kGridLeft, kGridTop + gridHeight + 10);
    newListDone_->move(kGridLeft, kGridTop + gridHeight + 35);

    clearNameChoices();
    const auto& names = session_.nameChoices();
    int longest = nameFrame_->fontMetrics().horizontalAdvance(nameFrame_->title()) + 30;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        auto* button = new QRadioButton(ui::shownPart(ui::toQ(names[static_cast<std::size_t>(i)])));
        button->setFixedHeight(25);
        longest = std::max(longest, button->sizeHint().width() + 40);
        nameLayout_->insertWidget(i, button);
        nameGroup_->addButton(button, i);
        nameButtons_.push_back(button);
    }
    // 25 pixels a name and 5, under the band that the frame's title takes.
    nameFrame_->resize(longest,
                       cappedHeight(kNameFrameTitleBand + 25 * static_cast<int>(names.size()) + 5, screenHeight));
    nameFrame_->hide();
    showPairingControls(true);
}

void TransferSteps::clearNameChoices() {
    for (auto* button : nameButtons_) {
        nameGroup_->removeButton(button);
        delete button;
    }
    nameButtons_.clear();
}

void TransferSteps::onPairingCellClicked(int row, int column) {
    if (column != 0) return;
    session_.emptyNewName(static_cast<std::size_t>(row));
    pairingGrid_->item(row, 0)->setText(QString());
    nameFrame_->show();
    nameFrame_->raise();
}

void TransferSteps::onNameChosen(int index) {
    if (const auto row = session_.chooseName(static_cast<std::size_t>(index)))
        pairingGrid_->item(static_cast<int>(*row), 0)->setText(ui::toQ(session_.pairing()[*row].newName));
    nameGroup_->setExclusive(false);
    for (auto* button : nameButtons_) button->setChecked(false);
    nameGroup_->setExclusive(true);
    nameFrame_->hide();
}

void TransferSteps::showWeeks() {
    showPairingControls(false);
    clearNameChoices();
    const auto& entries = session_.weeks().entries;
    weekList_->clear();
    for (const auto& entry : entries) {
        auto* item = new QListWidgetItem(ui::toQ(entry.label), weekList_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(kWeekListWidth - 30, 13));
    }
    weekList_->resize(kWeekListWidth, cappedHeight(13 * static_cast<int>(entries.size()) + 5, ui::screenSize().height()));
    clearOptions();
    showTicks();
    showWeekControls(true);
}

void TransferSteps::showTicks() {
    const auto& ticks = session_.ticks();
    for (int i = 0; i < weekList_->count() && i < static_cast<int>(ticks.size()); ++i)
        weekList_->item(i)->setCheckState(ticks[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
}

void TransferSteps::clearOptions() {
    optionGroup_->setExclusive(false);
    for (auto* button : optionButtons_) button->setChecked(false);
    optionGroup_->setExclusive(true);
}

}  // namespace tandarel
