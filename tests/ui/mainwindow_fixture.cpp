#include "mainwindow_fixture.h"

#include "hero/game_save_folder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

namespace {

// Built-in portraits for the tests: a plain 64 x 64 picture per number, 0 to 5.
class TestPortraits : public TDSPortraitStore {
public:
    TDSImageData BuiltInPortrait(int number) const override {
        if (number < 0 || number > 5)
            return {};
        QImage image(64, 64, QImage::Format_RGB888);
        image.fill(QColor::fromHsv(number * 60, 200, 200));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return TDSImageData(bytes.begin(), bytes.end());
    }
};

} // namespace

void MainWindowTest::SetUp() {
    TestApplication();
    ASSERT_TRUE(root.isValid());
    const QString base = root.path() + QLatin1Char('/');
    folders.Documents = base + QStringLiteral("Documents/");
    folders.Pictures = base + QStringLiteral("Pictures/");
    folders.Save = folders.Documents + QStringLiteral("Dungeon Siege/Save/");
    folders.Program = base + QStringLiteral("program/");
    folders.Imports = folders.Program + QStringLiteral("Imports/");
    folders.SettingsFile = folders.Program + QStringLiteral("Thalrex.INI");
    for (const QString &folder : {folders.Documents, folders.Pictures, folders.Program})
        ASSERT_TRUE(QDir().mkpath(folder));
    SetGameSaveFolder(folders.Save.toStdString());
}

TfrmMain &MainWindowTest::Start() {
    window = std::make_unique<TfrmMain>(folders);
    window->Hero->SetPortraits(std::make_unique<TestPortraits>());
    window->show();
    return *window;
}

QString MainWindowTest::MakeHeroFolder(const QString &folder, const QString &name, int gold) const {
    TDSHero hero;
    hero.NewHero();
    hero.SetName(name.toStdString());
    hero.SetGold(gold);
    hero.SaveFolder(folder.toStdString());
    return QString::fromStdString(hero.Folder());
}

void MainWindowTest::WriteFile(const QString &path, const QString &text) const {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

QString MainWindowTest::ReadFile(const QString &path) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
