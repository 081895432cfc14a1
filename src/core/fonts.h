#pragma once

// Registers the fonts compiled into the resources and maps the family names
// used by the style sheets ("Corbel", "Calibri", "Arial", "Arial Rounded MT
// Bold") to the free families that stand in for them. Safe to call twice.
void registerApplicationFonts();
