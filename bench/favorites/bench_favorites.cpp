// The Favorites tree on a large folder: 10,000 shortcuts in 100 folders, one of them holding
// 1,000. Times the drop-down's top level (listed and painted) and the first click on the
// 1,000-entry branch (listed, added and painted), against a bare baseline in the same run: the
// same folder read with QDir and its names put into a plain QTreeWidget. Prints one line per
// figure.
#include "../BenchKit.h"
#include "favorites/FavoritesTree.h"
#include "favorites/TfrmFavorites.h"
#include "shell/TextFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int Runs = 9;
constexpr int Folders = 100;
constexpr int Shortcuts = 10000;
constexpr int BigBranch = 1000;
const QString BigFolder = QStringLiteral("Folder 000");

void makeFavorites(const QString &root)
{
    const QStringList lines = {QStringLiteral("[InternetShortcut]"), QStringLiteral("URL=http://bench.example/")};
    int written = 0;
    for (int f = 0; f < Folders; ++f) {
        const QString folder = QStringLiteral("Folder %1").arg(f, 3, 10, QLatin1Char('0'));
        QDir(root).mkdir(folder);
        // The first folder holds the big branch; the others share the rest evenly.
        const int rest = Shortcuts - BigBranch;
        const int count = f == 0 ? BigBranch : rest / (Folders - 1) + (f <= rest % (Folders - 1) ? 1 : 0);
        for (int s = 0; s < count; ++s, ++written)
            TextFile::writeLines(root + QLatin1Char('/') + folder + QStringLiteral("/Site %1 ").arg(written) +
                                     QStringLiteral("Shortcut.url"),
                                 lines);
    }
}

// The baseline: names straight from the folder into a tree, nothing filtered or sorted by us.
void bareFill(QTreeWidget &tree, const QString &folder, QTreeWidgetItem *parent)
{
    QList<QTreeWidgetItem *> items;
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        items.append(new QTreeWidgetItem(QStringList{name}));
    if (parent)
        parent->addChildren(items);
    else
        tree.addTopLevelItems(items);
}

void report(const char *what, double kestrel, double bare, double targetMs)
{
    std::printf("favorites: %-34s %7.2f ms (bare %6.2f ms, ratio %.2f; target under %.0f ms%s)\n", what, kestrel, bare,
                kestrel / bare, targetMs, kestrel < targetMs ? "" : ", over target");
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("Favorites"));
    QDir().mkpath(root);
    makeFavorites(root);

    QWidget window;
    window.resize(1024, 768);
    window.show();
    TfrmFavorites dropDown([&root] { return root; }, [](const QString &) {}, &window);
    FavoritesTree *tree = dropDown.TreeView1();
    QTreeWidget bare;
    bare.resize(380, 560);
    bare.show();

    const double topLevel = BenchKit::medianMs(Runs, [&] {
        dropDown.hide();
        dropDown.dropDownUnder(QRect(0, 0, 60, 24));
        dropDown.repaint();
    });
    const double bareTopLevel = BenchKit::medianMs(Runs, [&] {
        bare.clear();
        bareFill(bare, root, nullptr);
        bare.repaint();
    });
    const double branch = BenchKit::medianMs(Runs, [&] {
        tree->mapFirstLevel();
        QTreeWidgetItem *big = tree->topLevelItem(0);
        tree->nodeClicked(big);
        tree->scrollToItem(big->child(BigBranch - 1));
        dropDown.repaint();
    });
    const double bareBranch = BenchKit::medianMs(Runs, [&] {
        bare.clear();
        bareFill(bare, root, nullptr);
        QTreeWidgetItem *big = bare.topLevelItem(0);
        bareFill(bare, root + QLatin1Char('/') + BigFolder, big);
        big->setExpanded(true);
        bare.scrollToItem(big->child(BigBranch - 1));
        bare.repaint();
    });
    if (tree->topLevelItem(0)->childCount() != BigBranch || tree->topLevelItemCount() != Folders) {
        std::printf("favorites: unexpected tree\n");
        return 1;
    }
    std::printf("favorites: %d shortcuts in %d folders, median of %d runs\n", Shortcuts, Folders, Runs);
    report("top level listed and shown", topLevel, bareTopLevel, 100);
    report("1,000-entry branch listed and shown", branch, bareBranch, 50);
    return 0;
}
