// The main window's resources: menus FULL and SIMPLE, accelerator table 117,
// the two toolbars and the string table of their tooltips.
#pragma once

#include <string_view>
#include <vector>

namespace zel {

// One menu entry: a popup title (id 0, with its items following until the
// next popup), an item, or a separator (empty text). The text after a tab is
// the shortcut shown; the accelerators are separate.
struct MenuEntry {
    enum Type { Popup, Item, Separator } type;
    const char *text;
    int id;
};

inline const std::vector<MenuEntry> kFullMenu = {
    {MenuEntry::Popup, "&Joueur", 0},
    {MenuEntry::Item, "&Nouveau\tCtrl+N", 301},
    {MenuEntry::Item, "C&harger\tCtrl+H", 302},
    {MenuEntry::Item, "&Modifier", 40005},
    {MenuEntry::Item, "&Supprimer", 304},
    {MenuEntry::Item, "&Fermer", 305},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "&Quitter", 101},
    {MenuEntry::Popup, "&Saison", 0},
    {MenuEntry::Item, "&Ajout d'une journée\tCtrl+A", 2101},
    {MenuEntry::Item, "&Résultats\tCtrl+S", 502},
    {MenuEntry::Item, "&Modification d'une journée", 2102},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "A&jout d'un tournoi\tCtrl+T", 40013},
    {MenuEntry::Item, "&Vue tournoi(s)\tCtrl+O", 40014},
    {MenuEntry::Item, "Modification d'un tournoi", 40015},
    {MenuEntry::Popup, "Statisti&ques", 0},
    {MenuEntry::Item, "&Récapitulatif\tCtrl+E", 40007},
    {MenuEntry::Item, "&Détails\tCtrl+D", 40008},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "Graphes ...\tCtrl+G", 40010},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "&Historique...", 40030},
    {MenuEntry::Popup, "&Option", 0},
    {MenuEntry::Item, "Utilisateur", 40022},
    {MenuEntry::Popup, "&Aide", 0},
    {MenuEntry::Item, "&Rubriques", 40002},
    {MenuEntry::Item, "&Au sujet de Zel Manager ...", 201},
};

inline const std::vector<MenuEntry> kSimpleMenu = {
    {MenuEntry::Popup, "&Joueur", 0},
    {MenuEntry::Item, "&Nouveau\tCtrl+N", 301},
    {MenuEntry::Item, "C&harger\tCtrl+H", 302},
    {MenuEntry::Item, "&Importer\tCtrl+I", 40017},
    {MenuEntry::Separator, "", 0},
    {MenuEntry::Item, "&Quitter", 101},
    {MenuEntry::Popup, "&Aide", 0},
    {MenuEntry::Item, "&Rubriques", 40002},
    {MenuEntry::Item, "&Au sujet de Zel Manager ...", 201},
};

// Accelerator table 117, in table order: when two entries share a key the
// first one wins, so the second Ctrl+D (40012) never fires.
struct Accelerator {
    const char *key; // a portable key sequence
    int id;
};

inline const std::vector<Accelerator> kAccelerators = {
    {"Ctrl+A", 40019}, {"Ctrl+D", 40025}, {"Ctrl+D", 40012}, {"Ctrl+E", 40026},
    {"Ctrl+G", 40027}, {"Ctrl+H", 40018}, {"Ctrl+I", 40029}, {"Ctrl+N", 40001},
    {"Ctrl+O", 40023}, {"Ctrl+S", 40028}, {"Ctrl+T", 40024}, {"Esc", 40016},
};

// A toolbar slot: a button showing image `image` of its strip, or a separator (id 0).
struct ToolbarSlot {
    int image;
    int id;
};

inline constexpr const char *kSimpleToolbarImages = ":/images/toolbar122.png"; // bitmap 122
inline constexpr const char *kFullToolbarImages = ":/images/toolbar123.png";   // bitmap 123
inline constexpr int kToolbarImageWidth = 16;
inline constexpr int kToolbarImageHeight = 15;

inline const std::vector<ToolbarSlot> kSimpleToolbar = {{0, 19000}, {1, 19001}};

inline const std::vector<ToolbarSlot> kFullToolbar = {
    {0, 19000}, {1, 19001}, {2, 0}, {3, 0},     {4, 19002},
    {5, 19003}, {6, 19004}, {7, 0}, {8, 19005}, {9, 19006},
};

// String table entries 1 to 7: the tooltip of button 19000 + k - 1 is entry k.
inline constexpr std::string_view kStringTable[] = {
    "Nouveau joueur", "Chargement d'un joueur", "Nouvelle journée",           "Visualisation des journées",
    "Récapitulatif",  "Nouveau tournoi",        "Visualisation des tournois",
};

// The tooltip of a toolbar button, empty for any other id.
inline std::string_view ToolbarTipText(int id) {
    return id >= 19000 && id <= 19006 ? kStringTable[id - 19000] : std::string_view();
}

} // namespace zel
