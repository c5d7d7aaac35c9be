#pragma once

// The commands a browser view runs on its top-level document, by group and number, with the
// option that says whether the user is asked first.
namespace CommandTarget {
enum class Group { Standard, WebBrowser };

// The standard group.
constexpr int SaveAs = 4;
constexpr int Print = 6;
constexpr int PageSetup = 8;
constexpr int Properties = 10;
constexpr int Undo = 15;
// Text size by level, 0 (smallest) to ZoomLevels - 1 (largest); any other option only reads
// the current level back.
constexpr int Zoom = 19;
// The range of zoom levels, as a list of its lowest and highest level.
constexpr int GetZoomRange = 20;
constexpr int ZoomLevels = 5;

// The web browser group: the engine's find, the page source and the engine settings.
constexpr int Find = 1;
constexpr int ViewSource = 2;
constexpr int InternetOptions = 3;

// Options.
constexpr int DoDefault = 0;
constexpr int PromptUser = 1;
constexpr int DontPromptUser = 2;
}
