#pragma once

class QWebEngineProfile;

// The one engine profile every view shares: its cookies, cache and the scripts injected
// into every page. Created on first use, owned by the application object.
QWebEngineProfile *engineProfile();
