// Who may watch a camera's broadcast. Kept in the INI file's "Broadcast" section as
// Password<N> and LocalOnly<N> (N the camera's number): the camera file has no room for it.
#pragma once

#include <QString>

namespace trelvix {

class CDataClass;

class GlobalSettings;

// The settings whose INI file keeps the access; the user folder's "kvCamera.ini" until the host
// sets them.
void SetBroadcastAccessSettings(const GlobalSettings* settings);
QString BroadcastAccessIniPath();

// Reads the record's camera's access into broadcastPassword and broadcastLocalOnly; missing
// keys leave an open broadcast on every address.
void LoadBroadcastAccess(CDataClass& record);
// Writes them when they differ from the file's; false when the file could not be written.
bool SaveBroadcastAccess(const CDataClass& record);

}  // namespace trelvix
