#pragma once
// What connection management says to the operator, word for word.

namespace vx {

inline constexpr const char* StartupCaption =
    "Tavrel Kessway - VX Control :Establish COM port communication with VX SDI";
inline constexpr const char* StartupQuestion =
    "\tDo you want to connect to Vextaro via the serial port?\n\n   \tSerial Port Connection - Click Yes\n   \tEthernet connection - Click No then go to Setup Tab\n   \tRS-485 - Not available\n   \tNo Connection - Click No";
inline constexpr const char* ConnectLaterText =
    "To connect later:\n\n      \tSerial port - go to 'Serial Port->Connect to Vextaro' menu item\n      \tEthernet - go to Setup Tab, enter IP Address and choose Ethernet\n      \tOr refer to Vextaro manual for help with VX Control connections";
inline constexpr const char* SearchFailedText =
    "\tSerial Port Connection Failed.\n\n      \t1) Please check RS-232 cable.\n      \t2) Make sure COM port is not in use.\n      \t3) Make sure Vextaro boot-up initialization has been completed.\n      \t4) Go to 'Serial Port->Connect to Vextaro' menu item to connect later.";
inline constexpr const char* EthernetQuestionCaption =
    "Tavrel Kessway - VX Control :Establish Ethernet communication with VX SDI";
inline constexpr const char* EthernetQuestion =
    "VX Control is currently connected to the VX SDI via the serial ports. Do you want to disconnect the serial port connection and try the Ethernet connection?";
inline constexpr const char* SerialQuestionCaption =
    "Tavrel Kessway - VX Control :Establish Serial communication with VX SDI";
inline constexpr const char* SerialQuestion =
    "VX Control is currently connected to the VX SDI via the Ethernet. Do you want to disconnect the Ethernet connection and try the Serial connection?";
inline constexpr const char* ConnectPortFailedText =
    "\tSerial Port Connection Failed.\n\n      \t1) Please check COM port selection and RS-232 cable.\n      \t2) Make sure COM port is not in use.\n      \t3) Make sure Vextaro boot-up initialization has been completed.\n      \t4) Go to 'Serial Port->Connect to Vextaro' menu item to connect later.";
inline constexpr const char* CheckingComText = "Checking COM port communication. Please wait....";
inline constexpr const char* NoAddressText = "Cannot connect. Please enter an IP Address first.";
inline constexpr const char* SilentSwitcherText = "Error: Unable to connect to Vextaro with given IP Address";
inline constexpr const char* NeedConnectionText = "Must have connection to change IP Address";

}  // namespace vx
