#include "HelpWindow.h"

#include "QtText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString contentsFile = QStringLiteral("contents.htm");

QToolButton* addButton(QHBoxLayout* bar, const QString& text, const QString& themeIcon, QStyle::StandardPixmap fallback,
                       QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(text);
    button->setIcon(QIcon::fromTheme(themeIcon, parent->style()->standardIcon(fallback)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addWidget(button);
    return button;
}

} // namespace

QString FindHelpFolder()
{
    const QString named = qEnvironmentVariable("TEKVAR_HELP_DIR");
    if (!named.isEmpty())
        return named;
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {QStringLiteral("help/html"), QStringLiteral("../share/tekvar/help/html")}) {
        if (QFileInfo::exists(program.filePath(candidate + "/" + contentsFile)))
            return QDir::cleanPath(program.filePath(candidate));
    }
    return QDir::cleanPath(program.filePath(QStringLiteral("help/html")));
}

HelpPage HelpPageOf(const std::string& topic)
{
    QString name = ToQString(topic);
    const QString prefix = QStringLiteral("::/html/");
    if (name.startsWith(prefix))
        name.remove(0, prefix.size());
    HelpPage page;
    const qsizetype hash = name.indexOf('#');
    if (hash >= 0) {
        page.anchor = name.mid(hash + 1);
        name.truncate(hash);
    }
    if (name.isEmpty())
        name = contentsFile;
    else if (!name.endsWith(QStringLiteral(".htm")) && !name.endsWith(QStringLiteral(".html")))
        name += QStringLiteral(".htm");
    page.file = name;
    return page;
}

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window), folder_(folder)
{
    setWindowTitle(QString::fromUtf8("Tekvar® Hjälp"));
    resize(900, 640);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    QToolButton* contents =
        addButton(bar, QString::fromUtf8("Innehåll"), QStringLiteral("go-home"), QStyle::SP_DirHomeIcon, this);
    back_ = addButton(bar, QString::fromUtf8("Bakåt"), QStringLiteral("go-previous"), QStyle::SP_ArrowBack, this);
    forward_ = addButton(bar, QString::fromUtf8("Framåt"), QStringLiteral("go-next"), QStyle::SP_ArrowForward, this);
    bar->addStretch(1);
    bar->addWidget(new QLabel(QString::fromUtf8("Sök:"), this));
    searchBox_ = new QLineEdit(this);
    searchBox_->setPlaceholderText(QString::fromUtf8("ord i hjälptexten"));
    searchBox_->setClearButtonEnabled(true);
    searchBox_->setMinimumWidth(220);
    bar->addWidget(searchBox_);
    layout->addLayout(bar);

    auto* split = new QSplitter(this);
    results_ = new QListWidget(split);
    browser_ = new QTextBrowser(split);
    browser_->setSearchPaths({folder_});
    browser_->setOpenExternalLinks(true);
    split->addWidget(results_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 680});
    results_->hide();
    layout->addWidget(split, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { ShowTopic("::/html/contents.htm"); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QString::fromUtf8("Tekvar® Hjälp")
                                       : title + QString::fromUtf8(" - Tekvar® Hjälp"));
    });
    connect(searchBox_, &QLineEdit::returnPressed, this, &HelpWindow::showSearchResults);
    connect(searchBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().isEmpty())
            results_->hide();
    });
    connect(results_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item)
            ShowTopic(ToStdString(item->data(Qt::UserRole).toString()));
    });

    readPages();
}

void HelpWindow::readPages()
{
    const QDir dir(folder_);
    for (const QString& file : dir.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name)) {
        QFile in(dir.filePath(file));
        if (!in.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(in.readAll()));
        QString title = document.metaInformation(QTextDocument::DocumentTitle);
        pages_.push_back({file, title.isEmpty() ? file : title, document.toPlainText().toLower()});
    }
}

bool HelpWindow::ShowTopic(const std::string& topic)
{
    const HelpPage page = HelpPageOf(topic);
    if (!QFileInfo::exists(QDir(folder_).filePath(page.file)))
        return false;
    QUrl url = QUrl::fromLocalFile(QDir(folder_).filePath(page.file));
    if (!page.anchor.isEmpty())
        url.setFragment(page.anchor);
    browser_->setSource(url);
    return true;
}

QString HelpWindow::ShownFile() const
{
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

QStringList HelpWindow::Search(const QString& text) const
{
    const QStringList words = text.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    std::vector<std::pair<qsizetype, QString>> found;
    for (const Page& page : pages_) {
        qsizetype mentions = 0;
        for (const QString& word : words) {
            const qsizetype count = page.text.count(word);
            if (count == 0) {
                mentions = 0;
                break;
            }
            mentions += count;
        }
        if (mentions > 0)
            found.emplace_back(mentions, page.file);
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList files;
    for (const auto& [mentions, file] : found)
        files << file;
    return files;
}

void HelpWindow::showSearchResults()
{
    const QStringList files = Search(searchBox_->text());
    const QSignalBlocker blocker(results_);
    results_->clear();
    for (const QString& file : files) {
        auto it = std::find_if(pages_.begin(), pages_.end(), [&](const Page& page) { return page.file == file; });
        auto* item = new QListWidgetItem(it->title, results_);
        item->setData(Qt::UserRole, file);
    }
    if (files.isEmpty())
        (new QListWidgetItem(QString::fromUtf8("Inga sidor hittades."), results_))->setFlags(Qt::NoItemFlags);
    results_->show();
}

QtHelpService::QtHelpService(QString folder) : folder_(std::move(folder)) {}

QtHelpService::~QtHelpService() = default;

bool QtHelpService::ShowTopic(const std::string& topic)
{
    if (!window_)
        window_ = std::make_unique<HelpWindow>(folder_);
    if (!window_->ShowTopic(topic))
        return false;
    // A modal dialog would block a plain window opened from its "Hjälp"
    // button; the help then takes its turn as a modal window itself.
    const Qt::WindowModality wanted =
        QApplication::activeModalWidget() && QApplication::activeModalWidget() != window_.get() ? Qt::ApplicationModal
                                                                                                 : Qt::NonModal;
    if (window_->windowModality() != wanted) {
        window_->hide();
        window_->setWindowModality(wanted);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}
