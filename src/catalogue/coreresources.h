#pragma once

/// Registers the resources compiled into the static core library (the
/// language resource ":/translation/gui.xml"); call once before reading them.
void initCoreResources();
