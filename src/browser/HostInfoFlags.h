#pragma once

#include <QtGlobal>

// Host-information flags the main window answers for every view, and the download-control
// flags of a view's DownloadOptions. Values are those of the classic host interface.
namespace HostInfoFlags {
constexpr quint32 No3DBorder = 0x4;
constexpr quint32 FlatScrollBar = 0x80;
constexpr quint32 EnableFormsAutoComplete = 0x4000;
}

namespace DownloadControl {
constexpr quint32 Images = 0x10;
constexpr quint32 Videos = 0x20;
constexpr quint32 BackgroundSounds = 0x40;
constexpr quint32 Default = Images | Videos | BackgroundSounds;
}
