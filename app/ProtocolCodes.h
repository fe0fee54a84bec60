#pragma once

// The wire format of the controller's update protocol: byte 0 of every 64-byte report is the
// target, byte 1 the command of a request or the code of its answer.

/** Targets: the device, or one of the update areas (the area's id). */
constexpr unsigned char TGT_SYSTEM = 0xF0;
constexpr unsigned char TGT_AREA0 = 0xF1;
constexpr unsigned char TGT_AREA1 = 0xF2;
constexpr unsigned char TGT_AREA2 = 0xF7;

/** Requests. */
constexpr unsigned char CMD_MODE = 0x00;
constexpr unsigned char CMD_VERSION = 0x01;
constexpr unsigned char CMD_ADDR = 0x02;
constexpr unsigned char CMD_DATA = 0x03;
constexpr unsigned char CMD_SUM = 0x04;
constexpr unsigned char CMD_VERIFY = 0x05;
constexpr unsigned char CMD_FINISH = 0x06;
constexpr unsigned char CMD_LAST = 0x07;
constexpr unsigned char CMD_PREPARE = 0x08;
constexpr unsigned char CMD_REBOOT = 0x09;

/** Answers; an error answer carries its reason (1 to 5) in byte 2. */
constexpr unsigned char RSP_OK = 0x80;
constexpr unsigned char RSP_ERROR = 0x81;
constexpr unsigned char RSP_VERSION = 0x82;
constexpr unsigned char RSP_BUSY_A = 0x83;
constexpr unsigned char RSP_BUSY_B = 0x84;
constexpr unsigned char RSP_DONE = 0x85;
constexpr unsigned char RSP_UPDATE_MODE = 0x8B;
