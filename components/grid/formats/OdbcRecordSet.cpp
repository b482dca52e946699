#include "components/grid/formats/OdbcRecordSet.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cstring>

#include "platform/core/exception.h"

namespace {

// The first diagnostic record of the handle, in the words of the driver.
AnsiString Diagnostic(SQLSMALLINT Type, SQLHANDLE Handle) {
  SQLCHAR state[6] = {0};
  SQLCHAR text[1024] = {0};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  if (!Handle ||
      !SQL_SUCCEEDED(SQLGetDiagRec(Type, Handle, 1, state, &native, text, sizeof text, &length)))
    return "unknown ODBC failure";
  if (text[0] == 0) return AnsiString("ODBC call failed, state ") + reinterpret_cast<char*>(state);
  return AnsiString(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
}

void Check(SQLRETURN Result, SQLSMALLINT Type, SQLHANDLE Handle) {
  if (!SQL_SUCCEEDED(Result)) throw Exception(Diagnostic(Type, Handle));
}

}  // namespace

AnsiString ConnectionValue(const AnsiString& Value) {
  if (Value.find_first_of(";{}=") == AnsiString::npos && (Value.empty() || Value[0] != ' '))
    return Value;
  AnsiString braced = "{";
  for (char ch : Value) braced += ch == '}' ? AnsiString("}}") : AnsiString(1, ch);
  return braced + "}";
}

OdbcConnection::OdbcConnection(const AnsiString& ConnectionText)
    : env_(SQL_HANDLE_ENV), dbc_(SQL_HANDLE_DBC) {
  if (!SQL_SUCCEEDED(env_.Allocate(SQL_NULL_HANDLE))) throw Exception("ODBC is not available");
  SQLHANDLE env = env_.Get();
  Check(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
        SQL_HANDLE_ENV, env);
  Check(dbc_.Allocate(env), SQL_HANDLE_ENV, env);
  std::string text = AnsiToUtf8(ConnectionText);  // the driver manager's texts are UTF-8
  Check(SQLDriverConnect(dbc_.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                         static_cast<SQLSMALLINT>(text.size()), nullptr, 0, nullptr,
                         SQL_DRIVER_NOPROMPT),
        SQL_HANDLE_DBC, dbc_.Get());
}

// Only a connection that was made is ended; the handles free themselves.
OdbcConnection::~OdbcConnection() { SQLDisconnect(dbc_.Get()); }

AnsiString OdbcConnection::QuoteName(const AnsiString& Name) {
  SQLCHAR quote[8] = {0};
  SQLSMALLINT length = 0;
  AnsiString open = "[", close = "]";
  if (SQL_SUCCEEDED(
          SQLGetInfo(dbc_.Get(), SQL_IDENTIFIER_QUOTE_CHAR, quote, sizeof quote, &length)) &&
      length == 1 && quote[0] != ' ')
    open = close = AnsiString(1, static_cast<char>(quote[0]));
  if (Name.empty() || Name.starts_with(open) || Name.starts_with("[")) return Name;
  AnsiString quoted = open;
  // A closing quote inside is doubled, as SQL escapes it.
  for (char ch : Name) quoted += AnsiString(1, ch) == close ? close + close : AnsiString(1, ch);
  return quoted + close;
}

OdbcRecordSet::OdbcRecordSet(OdbcConnection& Connection, const AnsiString& Statement)
    : stmt_(SQL_HANDLE_STMT) {
  Check(stmt_.Allocate(Connection.Handle()), SQL_HANDLE_DBC, Connection.Handle());
  SQLHANDLE stmt = stmt_.Get();
  std::string text = AnsiToUtf8(Statement);
  Check(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()),
                      static_cast<SQLINTEGER>(text.size())),
        SQL_HANDLE_STMT, stmt);
  SQLSMALLINT columns = 0;
  Check(SQLNumResultCols(stmt, &columns), SQL_HANDLE_STMT, stmt);
  for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(columns); ++i) {
    SQLCHAR name[256] = {0};
    SQLSMALLINT length = 0;
    Check(SQLColAttribute(stmt, i, SQL_DESC_NAME, name, sizeof name, &length, nullptr),
          SQL_HANDLE_STMT, stmt);
    names_.push_back(Utf8ToAnsi(reinterpret_cast<char*>(name)));
  }
  SQLLEN rows = -1;
  // Drivers answer -1 or a count of changed rows for a query; only a positive count is one.
  if (SQL_SUCCEEDED(SQLRowCount(stmt, &rows)) && rows > 0 && columns > 0) recordCount_ = rows;
  Fetch();
}

// The statement's handle frees itself after the cursor is closed.
OdbcRecordSet::~OdbcRecordSet() { SQLCloseCursor(stmt_.Get()); }

void OdbcRecordSet::MoveNext() {
  if (!eof_) Fetch();
}

void OdbcRecordSet::Fetch() {
  values_.clear();
  if (names_.empty()) {
    eof_ = true;
    return;
  }
  const SQLRETURN result = SQLFetch(stmt_.Get());
  if (result == SQL_NO_DATA) {
    eof_ = true;
    return;
  }
  Check(result, SQL_HANDLE_STMT, stmt_.Get());
  for (std::size_t i = 0; i < names_.size(); ++i)
    values_.push_back(Column(static_cast<unsigned short>(i + 1)));
}

// Read in pieces: a memo field has no length known before.
AnsiString OdbcRecordSet::Column(unsigned short Index) {
  AnsiString value;
  char buffer[4096];
  for (;;) {
    SQLLEN indicator = 0;
    const SQLRETURN result =
        SQLGetData(stmt_.Get(), Index, SQL_C_CHAR, buffer, sizeof buffer, &indicator);
    if (result == SQL_NO_DATA || indicator == SQL_NULL_DATA) break;
    Check(result, SQL_HANDLE_STMT, stmt_.Get());
    const bool more =
        result == SQL_SUCCESS_WITH_INFO &&
        (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof buffer));
    const std::size_t got = more || indicator < 0
                                ? std::strlen(buffer)
                                : std::min<std::size_t>(indicator, sizeof buffer - 1);
    value.append(buffer, got);
    if (!more) break;
  }
  return Utf8ToAnsi(value);
}
