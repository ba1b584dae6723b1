#pragma once
// Where converted files go when the user has not said yet, and the help the folder box
// gives with folders that do not exist (yet).
#include <QString>

class QWidget;

// The user's videos folder (created when missing), ending in "/"; the home folder
// when there is no videos folder and none can be made.
QString DefaultOutputFolder();

// What a folder text (as the folder box normalises it, ending in "/") can become.
enum class FolderState {
  Usable,      // an existing folder that can be entered
  Creatable,   // absolute, not there yet, and every part that exists is a folder
  Impossible,  // relative, empty, or a part of it is a file or an unusable folder
};
FolderState ClassifyFolder(const QString& folder);

// Where the folder chooser should open for the box's text: the folder itself when it
// exists, else its nearest existing parent; DefaultOutputFolder() instead of "/" or
// when the text names no absolute folder.
QString FolderChooserStart(const QString& text);

// For a Creatable folder: asks "Create FOLDER?" and makes it (with missing parents).
enum class CreateAnswer { Created, Declined, Failed };
CreateAnswer OfferToCreateFolder(const QString& folder, QWidget* owner);
