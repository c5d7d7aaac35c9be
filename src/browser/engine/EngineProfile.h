#pragma once

#include <QString>

class QWebEngineProfile;

// The one engine profile every view shares: its cookies, cache and settings. Created on first
// use, owned by the application object.
QWebEngineProfile *engineProfile();

// The secret the page agents of this run share to recognise each other across frames. It is
// made at random once per run and never reaches a page.
const QString &pageAgentSecret();
