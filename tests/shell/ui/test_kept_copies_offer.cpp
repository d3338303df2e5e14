// The desktop's start names each copy a killed save left behind and does
// what the user answers: put it back, discard it, or keep it for later.
#include "support/ui/shell_test_support.h"

#include "model/kept_copies.h"
#include "shell/ui/kept_copies_offer.h"
#include "widgets/dialog_service.h"

#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace {

std::string ReadAll(const std::string &path)
{
    std::ifstream input(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(input), {});
}

} // namespace

class TestKeptCopiesOffer : public QObject {
    Q_OBJECT

    std::unique_ptr<ShellTestFolder> folder_;
    std::string target_;
    TKeptCopy kept_;

    // A copy of "old bytes" as a save killed during its overwrite leaves it,
    // the file itself holding the half-written new content.
    void LeaveACopy()
    {
        std::ofstream(target_, std::ios::trunc) << "old bytes";
        const int manifest = kept_copies::KeepCopyOf(target_, kept_);
        QVERIFY(manifest >= 0);
        ::close(manifest);
        std::ofstream(target_, std::ios::trunc) << "new by";
    }

private slots:
    void init()
    {
        folder_ = std::make_unique<ShellTestFolder>();
        SetUserDataFolder(folder_->FilePath(QStringLiteral("data")).toStdString());
        target_ = folder_->FilePath(QStringLiteral("a.aem")).toStdString();
        LeaveACopy();
    }
    void cleanup()
    {
        SetUserDataFolder(std::string());
        folder_.reset();
    }

    void yesPutsTheOldContentBack()
    {
        DialogService::SetNextAnswer(QMessageBox::Yes);
        OfferKeptCopies(nullptr);
        QVERIFY(DialogService::ShownBoxes().first().text.contains(QString::fromStdString(target_)));
        QVERIFY(DialogService::ShownBoxes().first().text.contains(QString::fromStdString(kept_.CopyPath)));
        QCOMPARE(QString::fromStdString(ReadAll(target_)), QStringLiteral("old bytes"));
        QVERIFY(FindKeptCopies().empty());
        QVERIFY(!std::filesystem::exists(kept_.CopyPath));
    }

    void noDiscardsTheCopy()
    {
        DialogService::SetNextAnswer(QMessageBox::No);
        OfferKeptCopies(nullptr);
        QCOMPARE(QString::fromStdString(ReadAll(target_)), QStringLiteral("new by"));
        QVERIFY(FindKeptCopies().empty());
    }

    // Cancel, as a box nobody answers, decides nothing: the next start asks again.
    void cancelKeepsTheCopyForTheNextStart()
    {
        OfferKeptCopies(nullptr);
        OfferKeptCopies(nullptr);
        QCOMPARE(DialogService::ShownBoxes().size(), 2);
        QCOMPARE(FindKeptCopies().size(), size_t(1));
        QCOMPARE(QString::fromStdString(ReadAll(kept_.CopyPath)), QStringLiteral("old bytes"));
    }
};

QTEST_MAIN(TestKeptCopiesOffer)
#include "test_kept_copies_offer.moc"
