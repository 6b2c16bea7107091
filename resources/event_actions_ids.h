// Ids of the action dialogs of event_actions.rc, one block per dialog. Their
// frame's items (the hidden picture, OK, Cancel) and the message action's
// are in events_ids.h. Several dialogs share an id for the same thing (the
// X and Y of a square, an operator, an operand).
#pragma once

#define IDD_EACT_SETMAPCURSOR 174
#define IDD_EACT_CREASESALT 175
#define IDD_EACT_CREASEENEMYGROUP 176
#define IDD_EACT_CREASEGVAL 177
#define IDD_EACT_CHANGEMAPCHIP 178
#define IDD_EACT_CHANGEBGM 179
#define IDD_EACT_CHANGEFRIENDSHOP 183
#define IDD_EACT_CHANGEPARTY 184
#define IDD_EACT_CREASEEVENTVAL 185
#define IDD_EACT_WAIT 186
#define IDD_EACT_ADDSHOPSKILL 187
#define IDD_EACT_CHANGEEVENTPIC 189
#define IDD_EACT_ACQUIRESKILL 199
#define IDD_EACT_CREASESTOCK 200
#define IDD_EACT_PLAYSOUND 201
#define IDD_EACT_PICTURE 202
#define IDD_EACT_WARP 214
#define IDD_EACT_COPYENEMY 215
#define IDD_EACT_CHANGESTARTPOS 221
#define IDD_EACT_STATUS 222
#define IDD_EACT_PUTFRIEND 224
#define IDD_EACT_GETRANDOMSKILL 229

// Picture.
#define IDC_PIC_PICTURE 1576
#define IDC_PIC_HAS_ID 1583
#define IDC_PIC_ID 1326
#define IDC_PIC_ID_SPIN 1327
#define IDC_PIC_ERASE 1577
#define IDC_PIC_POS 1574
#define IDC_PIC_CELL_X 1579
#define IDC_PIC_CELL_X_SPIN 1580
#define IDC_PIC_CELL_Y 1581
#define IDC_PIC_CELL_Y_SPIN 1582
#define IDC_PIC_SHIFT_X 1330
#define IDC_PIC_SHIFT_X_SPIN 1331
#define IDC_PIC_SHIFT_Y 1332
#define IDC_PIC_SHIFT_Y_SPIN 1504
#define IDC_PIC_FLIP_X 1590
#define IDC_PIC_FLIP_Y 1591
#define IDC_PIC_ALPHA 1170
#define IDC_PIC_ALPHA_SPIN 1171
#define IDC_PIC_KEEP_ON_SCREEN 1585
#define IDC_PIC_FOLLOW 1584
#define IDC_PIC_SCALE 1072
#define IDC_PIC_SCALE_SPIN 1510
#define IDC_PIC_SHOW 1575
#define IDC_PIC_TIME 1322
#define IDC_PIC_TIME_SPIN 1323
#define IDC_PIC_AKEY 1589

// Wait.
#define IDC_WAIT_TIME 1315
#define IDC_WAIT_TIME_SPIN 1316

// Map cursor, warp and ally placement: who or where, and a square.
#define IDC_PLACE_TARGET 1187
#define IDC_PLACE_GROUP 1317
#define IDC_PLACE_X 1318
#define IDC_PLACE_X_SPIN 1319
#define IDC_PLACE_Y 1320
#define IDC_PLACE_Y_SPIN 1321
#define IDC_WARP_FAIL 1541

// Enemy group and enemy copy.
#define IDC_ENEMY_GROUP 1323
#define IDC_ENEMY_GROUP_SPIN 1324
#define IDC_ENEMY_SWITCH 1322
#define IDC_ENEMY_SKIP_OCCUPIED 1541
#define IDC_COPY_GROUP 1539
#define IDC_COPY_GROUP_SPIN 1540
#define IDC_COPY_FAIL 1541
#define IDC_COPY_STATE 1542

// Ally placement.
#define IDC_PUT_FRIEND 1632
#define IDC_PUT_FROM_PARTY 1634
#define IDC_PUT_HERE 1542
#define IDC_PUT_JOIN 1633

// Start position.
#define IDC_START_GROUP 1317

// Event and common variables, ally shop and party: an operator and an operand.
#define IDC_VAR_GVAL 1309
#define IDC_VAR_OPERATOR 1308
#define IDC_VAR_OPERAND 1307
#define IDC_VAR_OPERAND_SPIN 1305
#define IDC_FRIEND 1310

// Map chips.
#define IDC_CHIP_AREA 1325
#define IDC_CHIP_SOURCE 1602
#define IDC_CHIP_FROM 1326
#define IDC_CHIP_TO 1327
#define IDC_CHIP_GROUP 1317

// Event graphic.
#define IDC_EVPIC_GRAPHIC 1511
#define IDC_EVPIC_GRAPHIC_SPIN 1512
#define IDC_EVPIC_PICK 1510
#define IDC_EVPIC_PREVIEW 1070

// Sound effect and BGM.
#define IDC_SOUND 1096
#define IDC_BGM_SCENE 1311
#define IDC_BGM 1235
#define IDC_BGM_PLAY 1313

// Status: the target on the left, the value on the right.
#define IDC_ST_TARGET 1602
#define IDC_ST_TARGET_OWNER 1603
#define IDC_ST_TARGET_STATUS 1607
#define IDC_ST_TARGET_VARKIND 1604
#define IDC_ST_TARGET_GVAL 1608
#define IDC_ST_TARGET_RENAME 1619
#define IDC_ST_OPERATOR 1308
#define IDC_ST_VALUE 1610
#define IDC_ST_CONST 1605
#define IDC_ST_CONST_SPIN 1606
#define IDC_ST_RANDOM_LOW 1611
#define IDC_ST_RANDOM_LOW_SPIN 1612
#define IDC_ST_RANDOM_HIGH 1613
#define IDC_ST_RANDOM_HIGH_SPIN 1614
#define IDC_ST_VALUE_OWNER 1615
#define IDC_ST_VALUE_STATUS 1617
#define IDC_ST_VALUE_VARKIND 1616
#define IDC_ST_VALUE_GVAL 1618
#define IDC_ST_VALUE_RENAME 1251
#define IDC_ST_PERCENT 1035
#define IDC_ST_START_NOTE 1039

// Money.
#define IDC_MONEY 1299
#define IDC_MONEY_SPIN 1300

// Skills: a skill list and a skill of it, stock, shop and random draws.
#define IDC_SKILL_LIST 1127
#define IDC_SKILL 1423
#define IDC_SHOP_UNLIMITED 1569
#define IDC_SHOP_STOCK 1570
#define IDC_SHOP_STOCK_SPIN 1571
#define IDC_RANDOM_LOW 1167
#define IDC_RANDOM_LOW_SPIN 1168
#define IDC_RANDOM_HIGH 1169
#define IDC_RANDOM_HIGH_SPIN 1172
#define IDC_RANDOM_GAIN 1645
#define IDC_RANDOM_COUNT 1643
#define IDC_RANDOM_COUNT_SPIN 1644
