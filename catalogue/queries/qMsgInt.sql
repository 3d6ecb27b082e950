SELECT WarningText FROM MessagesInt WHERE MsgId = :parMsgIDInt
