#pragma once

/// Registers the animations compiled into the static widget library
/// (":/UPARROW", ":/DOWNARROW", ":/LEFTARROW", ":/RIGHTARROW"); call once
/// before creating the views.
void initUiResources();
