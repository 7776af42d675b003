#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <array>
#include <bit>
#include <cstddef>

// The camera's configuration record as stored in "config.bin" on the card: exactly 428
// bytes, little-endian, every field at its natural alignment with no gaps. The field names
// are the camera firmware's; several fields are used for something other than their name
// says (see the field table below for the use each one has).
static_assert(std::endian::native == std::endian::little,
              "the camera's records are read and written whole in little-endian order");

#pragma pack(push, 1)
struct _FILEDATA
{
    quint16 cfg_ver;
    quint16 checksum;
    quint32 disp_segment_mode;
    quint32 sd_mem_always_ratio;
    quint32 sd_mem_event_ratio;
    quint32 sd_mem_motion_ratio;
    quint32 sd_mem_always_reserved; // cut-off voltage, mV on the 12 V scale
    quint32 sd_mem_event_reserved;  // 1 = external power in use
    quint32 sd_mem_motion_reserved; // cut-off timer, hours
    quint32 aud_enable;
    quint32 aud_codec_type;
    quint32 aud_sampling_freq;
    quint32 aud_bitrate;
    quint32 aud_input_vol;
    quint32 aud_output_vol;
    quint32 vid_enc_res;
    quint32 vid_enc_bitrate;
    quint32 vid_framerate;
    quint32 vid_brightness;
    quint32 vid_contrast;
    quint32 vid_saturation;
    quint32 vid_sharpness;
    quint32 vid_hue;
    qint32 gsen_x_threshold; // hundredths of g
    qint32 gsen_y_threshold;
    qint32 gsen_z_threshold;
    quint32 always_mode_timeout;
    qint32 parkmode_x_threshold; // hundredths of g
    qint32 parkmode_y_threshold;
    qint32 parkmode_z_threshold;
    quint32 motion1080pCValue; // rear motion sensitivity
    quint32 motion720pCValue;  // front motion sensitivity
    quint32 motionBlock;       // front 12-bit block mask
    qint32 high_temp_threshold;
    quint32 high_temp_duration;
    qint32 safe_temp_threshold;
    quint32 safe_temp_duration;
    quint32 composite_mode;
    quint32 osd_option;
    qint32 osd_speed_flag;
    qint32 osd_plate_flag; // 1 when szPlateNumber is not empty
    quint32 plate_number;
    quint32 speed_disp_unit;
    qint32 time_gmt; // index into the time-zone table, -1 = none
    quint32 summer_time;
    quint32 nodriving_day;
    quint32 auto_drive_in_mode_on;
    quint32 auto_park_in_mode_on;
    quint32 motion_detect_mode_on;
    quint32 event_only_mode_on;
    quint32 g_sensor_enable;
    quint32 audio_mux_enable;
    quint32 safe_temp_mode_on;
    quint32 alarm_ontime_flag;
    quint32 voiceEnable;
    quint32 drivingSecurity;
    quint32 parkingSecurity;
    quint32 SaveDuration;
    quint32 MemConfig;
    quint32 BrightnessFixed;
    quint32 DayTime;     // AUX exposure choice
    quint32 NightTime;   // GPS kept on while parked
    quint32 Brightness1; // voice guidance language
    quint32 ledoff;
    quint32 Gamma; // mains frequency: 0 = 60 Hz, 1 = 50 Hz
    char szPlateNumber[8];
    quint32 vid_enc_bitrate_R;
    quint32 vid_brightness_R;
    quint32 vid_sharpness_R;
    quint32 lcd_autopoweroff;
    quint32 lcd_brightness;
    quint32 lcd_screensaver;
    quint32 parking_rear_off;
    quint32 sd2_mem_always_ratio;
    quint32 sd2_mem_event_ratio;
    quint32 sd2_mem_motion_ratio;
    quint32 flip_video;
    quint32 parking_alarm;
    quint32 rear_fps;
    quint32 motion_zone;
    quint32 motionBlock_Rear;
    quint32 ledoff_rear;
    quint32 always_mode_recording_time;
    quint32 pip_position;
    quint32 always_motion;
    quint32 lcd_brightness_night;
    quint32 size_rear;
    quint32 front_cpl_use;
    quint32 rear_cpl_use;
    char wifi_ssid[16];
    char wifi_password[16];
    quint32 CableVoltCorr;
    quint32 autoFormatAlarm;
    quint32 wifi_channel;
    quint32 flip_front_video;
    quint32 external_rear_camera;
    quint32 dummy00[4];
    quint32 debug_mode;
};
#pragma pack(pop)

static_assert(sizeof(_FILEDATA) == 428);
static_assert(offsetof(_FILEDATA, cfg_ver) == 0);
static_assert(offsetof(_FILEDATA, checksum) == 2);
static_assert(offsetof(_FILEDATA, disp_segment_mode) == 4);
static_assert(offsetof(_FILEDATA, sd_mem_always_ratio) == 8);
static_assert(offsetof(_FILEDATA, sd_mem_event_ratio) == 12);
static_assert(offsetof(_FILEDATA, sd_mem_motion_ratio) == 16);
static_assert(offsetof(_FILEDATA, sd_mem_always_reserved) == 20);
static_assert(offsetof(_FILEDATA, sd_mem_event_reserved) == 24);
static_assert(offsetof(_FILEDATA, sd_mem_motion_reserved) == 28);
static_assert(offsetof(_FILEDATA, aud_enable) == 32);
static_assert(offsetof(_FILEDATA, aud_codec_type) == 36);
static_assert(offsetof(_FILEDATA, aud_sampling_freq) == 40);
static_assert(offsetof(_FILEDATA, aud_bitrate) == 44);
static_assert(offsetof(_FILEDATA, aud_input_vol) == 48);
static_assert(offsetof(_FILEDATA, aud_output_vol) == 52);
static_assert(offsetof(_FILEDATA, vid_enc_res) == 56);
static_assert(offsetof(_FILEDATA, vid_enc_bitrate) == 60);
static_assert(offsetof(_FILEDATA, vid_framerate) == 64);
static_assert(offsetof(_FILEDATA, vid_brightness) == 68);
static_assert(offsetof(_FILEDATA, vid_contrast) == 72);
static_assert(offsetof(_FILEDATA, vid_saturation) == 76);
static_assert(offsetof(_FILEDATA, vid_sharpness) == 80);
static_assert(offsetof(_FILEDATA, vid_hue) == 84);
static_assert(offsetof(_FILEDATA, gsen_x_threshold) == 88);
static_assert(offsetof(_FILEDATA, gsen_y_threshold) == 92);
static_assert(offsetof(_FILEDATA, gsen_z_threshold) == 96);
static_assert(offsetof(_FILEDATA, always_mode_timeout) == 100);
static_assert(offsetof(_FILEDATA, parkmode_x_threshold) == 104);
static_assert(offsetof(_FILEDATA, parkmode_y_threshold) == 108);
static_assert(offsetof(_FILEDATA, parkmode_z_threshold) == 112);
static_assert(offsetof(_FILEDATA, motion1080pCValue) == 116);
static_assert(offsetof(_FILEDATA, motion720pCValue) == 120);
static_assert(offsetof(_FILEDATA, motionBlock) == 124);
static_assert(offsetof(_FILEDATA, high_temp_threshold) == 128);
static_assert(offsetof(_FILEDATA, high_temp_duration) == 132);
static_assert(offsetof(_FILEDATA, safe_temp_threshold) == 136);
static_assert(offsetof(_FILEDATA, safe_temp_duration) == 140);
static_assert(offsetof(_FILEDATA, composite_mode) == 144);
static_assert(offsetof(_FILEDATA, osd_option) == 148);
static_assert(offsetof(_FILEDATA, osd_speed_flag) == 152);
static_assert(offsetof(_FILEDATA, osd_plate_flag) == 156);
static_assert(offsetof(_FILEDATA, plate_number) == 160);
static_assert(offsetof(_FILEDATA, speed_disp_unit) == 164);
static_assert(offsetof(_FILEDATA, time_gmt) == 168);
static_assert(offsetof(_FILEDATA, summer_time) == 172);
static_assert(offsetof(_FILEDATA, nodriving_day) == 176);
static_assert(offsetof(_FILEDATA, auto_drive_in_mode_on) == 180);
static_assert(offsetof(_FILEDATA, auto_park_in_mode_on) == 184);
static_assert(offsetof(_FILEDATA, motion_detect_mode_on) == 188);
static_assert(offsetof(_FILEDATA, event_only_mode_on) == 192);
static_assert(offsetof(_FILEDATA, g_sensor_enable) == 196);
static_assert(offsetof(_FILEDATA, audio_mux_enable) == 200);
static_assert(offsetof(_FILEDATA, safe_temp_mode_on) == 204);
static_assert(offsetof(_FILEDATA, alarm_ontime_flag) == 208);
static_assert(offsetof(_FILEDATA, voiceEnable) == 212);
static_assert(offsetof(_FILEDATA, drivingSecurity) == 216);
static_assert(offsetof(_FILEDATA, parkingSecurity) == 220);
static_assert(offsetof(_FILEDATA, SaveDuration) == 224);
static_assert(offsetof(_FILEDATA, MemConfig) == 228);
static_assert(offsetof(_FILEDATA, BrightnessFixed) == 232);
static_assert(offsetof(_FILEDATA, DayTime) == 236);
static_assert(offsetof(_FILEDATA, NightTime) == 240);
static_assert(offsetof(_FILEDATA, Brightness1) == 244);
static_assert(offsetof(_FILEDATA, ledoff) == 248);
static_assert(offsetof(_FILEDATA, Gamma) == 252);
static_assert(offsetof(_FILEDATA, szPlateNumber) == 256);
static_assert(offsetof(_FILEDATA, vid_enc_bitrate_R) == 264);
static_assert(offsetof(_FILEDATA, vid_brightness_R) == 268);
static_assert(offsetof(_FILEDATA, vid_sharpness_R) == 272);
static_assert(offsetof(_FILEDATA, lcd_autopoweroff) == 276);
static_assert(offsetof(_FILEDATA, lcd_brightness) == 280);
static_assert(offsetof(_FILEDATA, lcd_screensaver) == 284);
static_assert(offsetof(_FILEDATA, parking_rear_off) == 288);
static_assert(offsetof(_FILEDATA, sd2_mem_always_ratio) == 292);
static_assert(offsetof(_FILEDATA, sd2_mem_event_ratio) == 296);
static_assert(offsetof(_FILEDATA, sd2_mem_motion_ratio) == 300);
static_assert(offsetof(_FILEDATA, flip_video) == 304);
static_assert(offsetof(_FILEDATA, parking_alarm) == 308);
static_assert(offsetof(_FILEDATA, rear_fps) == 312);
static_assert(offsetof(_FILEDATA, motion_zone) == 316);
static_assert(offsetof(_FILEDATA, motionBlock_Rear) == 320);
static_assert(offsetof(_FILEDATA, ledoff_rear) == 324);
static_assert(offsetof(_FILEDATA, always_mode_recording_time) == 328);
static_assert(offsetof(_FILEDATA, pip_position) == 332);
static_assert(offsetof(_FILEDATA, always_motion) == 336);
static_assert(offsetof(_FILEDATA, lcd_brightness_night) == 340);
static_assert(offsetof(_FILEDATA, size_rear) == 344);
static_assert(offsetof(_FILEDATA, front_cpl_use) == 348);
static_assert(offsetof(_FILEDATA, rear_cpl_use) == 352);
static_assert(offsetof(_FILEDATA, wifi_ssid) == 356);
static_assert(offsetof(_FILEDATA, wifi_password) == 372);
static_assert(offsetof(_FILEDATA, CableVoltCorr) == 388);
static_assert(offsetof(_FILEDATA, autoFormatAlarm) == 392);
static_assert(offsetof(_FILEDATA, wifi_channel) == 396);
static_assert(offsetof(_FILEDATA, flip_front_video) == 400);
static_assert(offsetof(_FILEDATA, external_rear_camera) == 404);
static_assert(offsetof(_FILEDATA, dummy00) == 408);
static_assert(offsetof(_FILEDATA, debug_mode) == 424);

// ---------------------------------------------------------------------------------------
// The one field table: every field of the record in file order with its place, type,
// default and how resetting to defaults treats it. Reading, writing, defaults, the command
// line and the tests all walk this table, so no field can be missed in one place.

enum class ORXFieldType
{
    U16,      // unsigned 16-bit
    U32,      // unsigned 32-bit
    I32,      // signed 32-bit
    Text,     // char[size], zero-padded, not necessarily zero-terminated when full
    U32Array, // size / 4 unsigned 32-bit words
};

enum class ORXResetRule
{
    Value,       // reset writes defaultValue (or defaultText)
    Kept,        // reset leaves the field as it was
    Computed,    // the checksum: left alone by a reset, computed on save
    UserDefault, // reset writes the user setting "7v30externalRearCamera"
};

struct ORXConfigField
{
    const char* name;
    quint16 offset;
    ORXFieldType type;
    quint16 size; // bytes
    ORXResetRule reset;
    qint64 defaultValue;     // numeric fields (every word of an array)
    const char* defaultText; // text fields, nullptr otherwise
};

#define ORX_FIELD(field, type, reset, value, text)                                                          \
    ORXConfigField { #field, offsetof(_FILEDATA, field), ORXFieldType::type, sizeof(_FILEDATA::field),       \
                     ORXResetRule::reset, value, text }
#define ORX_U32(field, value) ORX_FIELD(field, U32, Value, value, nullptr)
#define ORX_I32(field, value) ORX_FIELD(field, I32, Value, value, nullptr)

inline constexpr ORXConfigField kORXConfigFields[] = {
    ORX_FIELD(cfg_ver, U16, Value, 22310, nullptr), // 0x5726
    ORX_FIELD(checksum, U16, Computed, 0, nullptr),
    ORX_U32(disp_segment_mode, 1),
    ORX_U32(sd_mem_always_ratio, 70),
    ORX_U32(sd_mem_event_ratio, 1),
    ORX_U32(sd_mem_motion_ratio, 30),
    ORX_U32(sd_mem_always_reserved, 12100),
    ORX_U32(sd_mem_event_reserved, 0),
    ORX_U32(sd_mem_motion_reserved, 0),
    ORX_U32(aud_enable, 3),
    ORX_U32(aud_codec_type, 0),
    ORX_U32(aud_sampling_freq, 1),
    ORX_U32(aud_bitrate, 1),
    ORX_U32(aud_input_vol, 3),
    ORX_U32(aud_output_vol, 2),
    ORX_U32(vid_enc_res, 0),
    ORX_U32(vid_enc_bitrate, 1),
    ORX_U32(vid_framerate, 0),
    ORX_U32(vid_brightness, 2),
    ORX_U32(vid_contrast, 2),
    ORX_U32(vid_saturation, 128),
    ORX_U32(vid_sharpness, 2),
    ORX_U32(vid_hue, 2),
    ORX_I32(gsen_x_threshold, 50),
    ORX_I32(gsen_y_threshold, 45),
    ORX_I32(gsen_z_threshold, 45),
    ORX_U32(always_mode_timeout, 10),
    ORX_I32(parkmode_x_threshold, 8),
    ORX_I32(parkmode_y_threshold, 8),
    ORX_I32(parkmode_z_threshold, 8),
    ORX_U32(motion1080pCValue, 3),
    ORX_U32(motion720pCValue, 3),
    ORX_U32(motionBlock, 96),
    ORX_I32(high_temp_threshold, 97),
    ORX_U32(high_temp_duration, 3600),
    ORX_I32(safe_temp_threshold, 92),
    ORX_U32(safe_temp_duration, 60),
    ORX_U32(composite_mode, 0),
    ORX_U32(osd_option, 1),
    ORX_I32(osd_speed_flag, 1),
    ORX_I32(osd_plate_flag, 0),
    ORX_U32(plate_number, 0),
    ORX_U32(speed_disp_unit, 0),
    ORX_FIELD(time_gmt, I32, Kept, 0, nullptr),
    ORX_FIELD(summer_time, U32, Kept, 0, nullptr),
    ORX_U32(nodriving_day, 0),
    ORX_U32(auto_drive_in_mode_on, 1),
    ORX_U32(auto_park_in_mode_on, 1),
    ORX_U32(motion_detect_mode_on, 1),
    ORX_U32(event_only_mode_on, 0),
    ORX_U32(g_sensor_enable, 1),
    ORX_U32(audio_mux_enable, 1),
    ORX_U32(safe_temp_mode_on, 1),
    ORX_U32(alarm_ontime_flag, 1),
    ORX_U32(voiceEnable, 1),
    ORX_U32(drivingSecurity, 60),
    ORX_U32(parkingSecurity, 20),
    ORX_U32(SaveDuration, 1),
    ORX_U32(MemConfig, 176),
    ORX_U32(BrightnessFixed, 3000),
    ORX_U32(DayTime, 1),
    ORX_U32(NightTime, 0),
    ORX_FIELD(Brightness1, U32, Kept, 0, nullptr),
    ORX_U32(ledoff, 0),
    ORX_U32(Gamma, 0),
    ORX_FIELD(szPlateNumber, Text, Value, 0, "Orvex"),
    ORX_U32(vid_enc_bitrate_R, 1),
    ORX_U32(vid_brightness_R, 2),
    ORX_U32(vid_sharpness_R, 2),
    ORX_U32(lcd_autopoweroff, 2),
    ORX_U32(lcd_brightness, 2),
    ORX_U32(lcd_screensaver, 0),
    ORX_U32(parking_rear_off, 0),
    ORX_U32(sd2_mem_always_ratio, 1),
    ORX_U32(sd2_mem_event_ratio, 98),
    ORX_U32(sd2_mem_motion_ratio, 1),
    ORX_U32(flip_video, 0),
    ORX_U32(parking_alarm, 1),
    ORX_U32(rear_fps, 0),
    ORX_U32(motion_zone, 0),
    ORX_U32(motionBlock_Rear, 96),
    ORX_U32(ledoff_rear, 0),
    ORX_U32(always_mode_recording_time, 1),
    ORX_U32(pip_position, 0),
    ORX_U32(always_motion, 0),
    ORX_U32(lcd_brightness_night, 1),
    ORX_U32(size_rear, 0),
    ORX_U32(front_cpl_use, 0),
    ORX_U32(rear_cpl_use, 0),
    ORX_FIELD(wifi_ssid, Text, Value, 0, "OrvexD"),
    ORX_FIELD(wifi_password, Text, Value, 0, "47205813"),
    ORX_U32(CableVoltCorr, 4),
    ORX_U32(autoFormatAlarm, 0),
    ORX_U32(wifi_channel, 0),
    ORX_U32(flip_front_video, 0),
    ORX_FIELD(external_rear_camera, U32, UserDefault, 0, nullptr),
    ORX_FIELD(dummy00, U32Array, Value, 0, nullptr),
    ORX_U32(debug_mode, 1),
};

#undef ORX_U32
#undef ORX_I32
#undef ORX_FIELD

// The table covers the record from its first to its last byte, in order, without a gap:
// a field added to the record but not to the table (or the reverse) fails to compile.
constexpr bool orxConfigTableCoversRecord()
{
    std::size_t next = 0;
    for (const ORXConfigField& field : kORXConfigFields) {
        if (field.offset != next)
            return false;
        next += field.size;
    }
    return next == sizeof(_FILEDATA);
}
static_assert(orxConfigTableCoversRecord(), "the field table must name every byte of _FILEDATA once");

// The camera's time-zone table: offsets from UTC as hours * 100 + minutes. `time_gmt`
// is an index into it; -1 means no zone.
inline constexpr std::array<int, 34> kORXTimeZoneOffsets = {
    -1200, -1100, -1000, -900, -800, -700, -600, -500, -430, -400, -330, -300,
    -200,  -100,  0,     100,  200,  300,  330,  400,  430,  500,  530,  545,
    600,   630,   700,   800,  900,  930,  1000, 1100, 1200, 1300,
};

// XOR of the low 16 bits of the 106 little-endian words at offsets 4..424; the upper half
// of each word, `cfg_ver` and `checksum` itself take no part.
quint16 configChecksum(const _FILEDATA& record);

// Writes every default of the field table into the record; `checksum`, `time_gmt`,
// `summer_time` and `Brightness1` are left as they were. `external_rear_camera` takes the
// user setting "7v30externalRearCamera" (0 when absent), or the value given.
void applyDefaultSettings(_FILEDATA* record);
void applyDefaultSettings(_FILEDATA* record, quint32 externalRearCamera);

// Index of the first table entry equal to the offset (hours * 100 + minutes, seconds
// divided toward zero), or -1 when the zone is not in the table. Without an argument the
// machine's current offset from UTC is used.
int localTimeZoneIndex(int offsetSecondsFromUtc);
int localTimeZoneIndex();

// Field access through the table (`field` must be an entry of kORXConfigFields). Numeric
// fields: the value widened to 64 bits (element picks the word of an array). Text fields:
// the bytes up to the first zero.
qint64 configFieldValue(const _FILEDATA& record, const ORXConfigField& field, int element = 0);
void setConfigFieldValue(_FILEDATA* record, const ORXConfigField& field, qint64 value, int element = 0);
QByteArray configFieldText(const _FILEDATA& record, const ORXConfigField& field);
// Stores text zero-padded; false (record untouched) when it is longer than the field.
bool setConfigFieldText(_FILEDATA* record, const ORXConfigField& field, const QByteArray& text);
// The table entry with that name, or nullptr.
const ORXConfigField* findConfigField(const char* name);
