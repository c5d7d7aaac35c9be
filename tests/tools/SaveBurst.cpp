#include "SaveBurst.h"

#include "favorites/KestrelGroupFile.h"
#include "favorites/KestrelGroupOutline.h"
#include "shell/TextFile.h"
#include "typing/TypingAidFiles.h"

namespace {
// Addresses nobody answers on, so that a program started on the burst's tabs loads nothing.
QString address(const QString &path)
{
    return QStringLiteral("http://127.0.0.1:9/") + path;
}
}

SaveBurst::SaveBurst(const QString &dataFolder, SettingsStore &settings)
    : m_dataFolder(dataFolder), m_workspace(settings, dataFolder)
{
}

QStringList SaveBurst::fileNames()
{
    return {Workspace::FileName, TypingAidFiles::QuickCorrect, KestrelGroupFile::FileName};
}

void SaveBurst::change(int step)
{
    const QString version = QString::number(step);
    switch (step % 3) {
    case 0: {
        // One to three tabs.
        QStringList tabs;
        for (int tab = 0; tab <= step % 4 && tab < 3; ++tab)
            tabs.append(address(QStringLiteral("tab%1-%2").arg(version).arg(tab)));
        m_workspace.save(tabs);
        break;
    }
    case 1: {
        // Lists of a few hundred entries, so that a write takes a while.
        QStringList lines;
        for (int entry = 0; entry < 300 + step * 10; ++entry)
            lines.append(QStringLiteral("word%1=correction %2 of entry %1").arg(entry).arg(version));
        TypingAidFiles::sortCaseInsensitive(lines);
        TypingAidFiles::write(m_dataFolder, TypingAidFiles::QuickCorrect, lines);
        break;
    }
    default: {
        QList<KestrelGroupOutline::Node> groups;
        for (int group = 0; group < 20 + step % 7; ++group) {
            KestrelGroupOutline::Node node{QStringLiteral("Group %1 of version %2").arg(group).arg(version), {}};
            for (int site = 0; site < 15; ++site)
                node.children.append({address(QStringLiteral("g%1/%2/%3").arg(version).arg(group).arg(site)), {}});
            groups.append(node);
        }
        TextFile::writeLines(m_dataFolder + QLatin1Char('/') + KestrelGroupFile::FileName,
                             KestrelGroupOutline::write(groups));
        break;
    }
    }
}
