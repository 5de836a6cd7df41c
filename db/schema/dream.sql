-- dream.dll: bone-weight tables and mobile-number texts.
CREATE TABLE chenggu1 (year TEXT PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu2 (month2 INTEGER PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu3 (day2 INTEGER PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu4 (time INTEGER PRIMARY KEY, weight REAL NOT NULL);
CREATE TABLE chenggu (weight TEXT PRIMARY KEY, content TEXT, content2 TEXT);
CREATE TABLE shouji (num TEXT PRIMARY KEY, title TEXT, jx TEXT, content TEXT);
