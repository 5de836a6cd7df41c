-- Tgcode.dll: elements of stems and branches, the sixty pairs, the ten gods and the solar terms.
CREATE TABLE hzwh (hz TEXT NOT NULL, wh TEXT NOT NULL);
CREATE TABLE jiazi (jiazi TEXT PRIMARY KEY, layin TEXT, ws TEXT);
CREATE TABLE Shishen (jiazi TEXT PRIMARY KEY, ShiShen TEXT);
-- SJ is the moment of the term in Beijing time as text 'yyyy-mm-dd hh:mm:ss'.
CREATE TABLE JQ (YearA INTEGER NOT NULL, JQ TEXT NOT NULL, SJ TEXT NOT NULL, PRIMARY KEY (YearA, JQ));
CREATE INDEX JQ_day ON JQ (substr(SJ, 1, 10));
-- Birthplaces: every division with the longitude and latitude of its seat (db/places/).
CREATE TABLE places (code TEXT PRIMARY KEY, province TEXT NOT NULL, city TEXT NOT NULL, name TEXT NOT NULL,
                     pinyin TEXT NOT NULL, initials TEXT NOT NULL, longitude REAL NOT NULL, latitude REAL NOT NULL);
