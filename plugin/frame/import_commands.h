// The two commands of the module and the host's file dialog that they may show.
#pragma once

#include <string>

#include "ClientAPI.h"

// Imports a schematic design into the active schematic document: FileName from the
// parameters, or from the file dialog when it does not name a ".SCH" file.
void LoadSchFileCommand(IHostView* context, const char* parameters);
// Imports a schematic library into the active schematic library document (".LIA").
void LoadSchLibCommand(IHostView* context, const char* parameters);

// The host's file dialog for a design (a library), FileName filled in. True and FileName the
// chosen path when the user confirmed; otherwise FileName is unchanged.
bool AskSchematicFileName(std::string& fileName);
bool AskSchematicLibraryFileName(std::string& fileName);

inline constexpr const char* kDesignDialogRequest =
    "Dialog=FileOpenSave|Mode=0|Prompt=ZORVAN Schematic File|DocumentType=All|"
    "FileType1=ZORVAN ASCII Schematic Files (*.sch)|FileType2=All Files (*.*)|Path=";
inline constexpr const char* kLibraryDialogRequest =
    "Dialog=FileOpenSave|Mode=0|Prompt=ZORVAN Schematic Library File|DocumentType=All|"
    "FileType1=ZORVAN ASCII Schematic Library Files (*.lia)|FileType2=All Files (*.*)|Path=";

// Whether Path names an existing file (not a folder).
bool FileExists(const std::string& path);
// The part of Path after its last "\", "/" or ":".
std::string FileNamePart(const std::string& path);
